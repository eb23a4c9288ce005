#include "answer.h"

#include "texts.h"

#include <cstdlib>

namespace algebra {

Lezing leesAntwoord(const QString& getypt, QChar letter, const Waarden& waarden)
{
    Lezing l;
    QString invoer = getypt.trimmed(); // blanks around the answer are no part of it
    l.gelijk = gelijk(prefix_suffix(invoer, letter), waarden);
    if (l.gelijk) {
        l.telling = telgetallen(invoer, letter);
        l.invoer = invoer;
    } else {
        l.invoer = getypt;
    }
    return l;
}

namespace {

QString macht(QChar letter, int graad)
{
    switch (graad) {
    case 0:
        return QString();
    case 1:
        return QString(letter);
    case 2:
        return letter + kwadraat;
    default:
        return letter + derdemacht;
    }
}

} // namespace

QString veelterm(QChar letter, std::initializer_list<Term> termen)
{
    QString s;
    bool eerste = true;
    for (const Term& t : termen) {
        if (t.coefficient == 0)
            continue;
        if (eerste) {
            s += (t.graad == 0 ? nt(t.coefficient) : ct(t.coefficient));
            eerste = false;
        } else {
            const int grootte = std::abs(t.coefficient);
            s += sg(t.coefficient) + (t.graad == 0 ? nt(grootte) : ct(grootte));
        }
        s += macht(letter, t.graad);
    }
    return eerste ? nt(0) : s;
}

run::Verdict goedRegels(const QString& tekst, const QString& antwoord, int speler)
{
    const QString scheiding =
        speler == 1 ? QStringLiteral("          = ") : QStringLiteral("     = ");
    const QString regel = tekst + scheiding + antwoord + QStringLiteral("   Goed");
    return {true, QString(), regel, {regel}};
}

run::Verdict foutRegels(const QString& tekst, const QString& antwoord, const QString& antw)
{
    const QString goedzo =
        antw.size() >= 13 ? QStringLiteral("nee, ") + antw : QStringLiteral("nee, het is ") + antw;
    const QString gegeven = tekst + QStringLiteral("    = ") + antwoord;
    return {false,
            goedzo,
            gegeven + QChar(13) + QStringLiteral(" Fout ,het is ") + antw,
            {gegeven + QStringLiteral("       Fout ,het is ") + antw}};
}

} // namespace algebra
