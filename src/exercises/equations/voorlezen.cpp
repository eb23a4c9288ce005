#include "voorlezen.h"

namespace equations {

QString uitgesproken(const Vergelijking& v)
{
    if (!v.isBreuk())
        return v.vergtekst.simplified();
    const QList<Breukregel> regels = breukregels(v);
    const QString teller = regels[0].tekst.trimmed();
    QString uitkomst = regels[2].tekst.trimmed(); // "= 2"
    uitkomst = uitkomst.mid(1).trimmed();
    QString noemer = regels[3].tekst.trimmed(); // "(3x + 4)"
    noemer = noemer.mid(1, noemer.size() - 2).trimmed();
    return (teller + QStringLiteral(" gedeeld door ( ") + noemer +
            QStringLiteral(" ) is gelijk aan ") + uitkomst)
        .simplified();
}

} // namespace equations
