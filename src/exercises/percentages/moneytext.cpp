#include "moneytext.h"

#include "common/numbertext.h"

namespace percentages {

QString voorloopnul(QString s)
{
    if (s.size() < 2 || s.at(1) != QLatin1Char('.'))
        return s;
    if (s.at(0) == QLatin1Char('-'))
        return s.insert(1, QLatin1Char('0')); // keep the sign: "-0.50"
    s[0] = QLatin1Char('0');
    return QLatin1Char(' ') + s;
}

QString formatgetal(float x)
{
    QString s = common::StrSingle(x);
    const qsizetype punt = s.indexOf(QLatin1Char('.'));
    if (punt < 0)
        s += QStringLiteral(".00");
    else if (s.size() - punt - 1 == 1)
        s += QLatin1Char('0');
    else
        s.truncate(punt + 3);
    return voorloopnul(s);
}

} // namespace percentages
