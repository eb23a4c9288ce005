#include "spoken.h"

namespace equations {

QString spoken(const Equation& v)
{
    if (!v.isFraction())
        return v.text.simplified();
    const QList<FractionLine> lines = fractionLines(v);
    const QString numerator = lines[0].text.trimmed();
    QString result = lines[2].text.trimmed(); // "= 2"
    result = result.mid(1).trimmed();
    QString denominator = lines[3].text.trimmed(); // "(3x + 4)"
    denominator = denominator.mid(1, denominator.size() - 2).trimmed();
    return (numerator + QStringLiteral(" gedeeld door ( ") + denominator +
            QStringLiteral(" ) is gelijk aan ") + result)
        .simplified();
}

} // namespace equations
