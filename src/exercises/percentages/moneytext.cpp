#include "moneytext.h"

#include "common/numbertext.h"

namespace percentages {

QString leadingZero(QString s)
{
    if (s.size() < 2 || s.at(1) != QLatin1Char('.'))
        return s;
    if (s.at(0) == QLatin1Char('-'))
        return s.insert(1, QLatin1Char('0')); // keep the sign: "-0.50"
    s[0] = QLatin1Char('0');
    return QLatin1Char(' ') + s;
}

QString moneyText(float x)
{
    QString s = common::StrSingle(x);
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    if (point < 0)
        s += QStringLiteral(".00");
    else if (s.size() - point - 1 == 1)
        s += QLatin1Char('0');
    else
        s.truncate(point + 3);
    return leadingZero(s);
}

} // namespace percentages
