#include "texts.h"

#include "common/numbertext.h"

namespace algebra {

QString ct(int n)
{
    if (n == -1)
        return QStringLiteral("-");
    if (n == 0 || n == 1)
        return QString();
    return common::Str(n);
}

QString nt(int n)
{
    return common::Str(n);
}

QString sg(int v)
{
    if (v == 0)
        return QString();
    return signText(v);
}

QString furtherTerm(int v, const QString& power)
{
    return sg(v) + ct(std::abs(v)) + (v != 0 ? power : QString());
}

QChar drawLetter(common::Random& r)
{
    static constexpr char letters[] = {'x', 'p', 'a', 't'};
    return QLatin1Char(letters[rnd(r, 4)]);
}

int drawSigned(common::Random& r, int n)
{
    const int v = rnd(r, n) + 1;
    return rnd(r, 2) == 1 ? -v : v;
}

} // namespace algebra
