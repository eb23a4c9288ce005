#include "numbertext.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace common {

namespace {

// Writes x with at most `digits` significant digits, switching to exponent
// form at 10^digits and below the smallest fixed form that fits `digits`
// decimals.
QString numberText(double x, int digits)
{
    if (x == 0 || std::isnan(x))
        return QStringLiteral(" 0");
    if (std::isinf(x))
        return x > 0 ? QStringLiteral(" 1.#INF") : QStringLiteral("-1.#INF");

    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*E", digits - 1, std::fabs(x));
    // buf: d.ddddE+XX
    QString mant;
    const char* p = buf;
    for (; *p && *p != 'E'; ++p)
        if (*p != '.')
            mant += QLatin1Char(*p);
    const int exp = std::atoi(p + 1);
    while (mant.size() > 1 && mant.endsWith(QLatin1Char('0')))
        mant.chop(1);

    const int decimals = int(mant.size()) - 1 - exp;
    QString body;
    if (exp >= digits || (exp < 0 && decimals > digits)) {
        body = mant.left(1);
        if (mant.size() > 1)
            body += QLatin1Char('.') + mant.mid(1);
        body += QLatin1Char('E');
        body += exp < 0 ? QLatin1Char('-') : QLatin1Char('+');
        body += QStringLiteral("%1").arg(std::abs(exp), 2, 10, QLatin1Char('0'));
    } else if (exp < 0) {
        body = QLatin1Char('.') + QString(-exp - 1, QLatin1Char('0')) + mant;
    } else if (mant.size() <= exp + 1) {
        body = mant + QString(exp + 1 - int(mant.size()), QLatin1Char('0'));
    } else {
        body = mant.left(exp + 1) + QLatin1Char('.') + mant.mid(exp + 1);
    }
    return (x < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + body;
}

} // namespace

QString Str(double x)
{
    return numberText(x, 15);
}

QString StrSingle(float x)
{
    return numberText(static_cast<double>(x), 7);
}

double Val(const QString& text)
{
    const QByteArray s = text.toLatin1();
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    std::string num;
    if (i < n && (s[i] == '+' || s[i] == '-'))
        num += s[i++];
    bool digits = false;
    while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num += s[i++];
        digits = true;
    }
    if (i < n && s[i] == '.') {
        num += s[i++];
        while (i < n && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        qsizetype j = i + 1;
        std::string e = "e";
        if (j < n && (s[j] == '+' || s[j] == '-'))
            e += s[j++];
        bool expDigits = false;
        while (j < n && std::isdigit(static_cast<unsigned char>(s[j]))) {
            e += s[j++];
            expDigits = true;
        }
        if (expDigits)
            num += e;
    }
    double v = std::strtod(num.c_str(), nullptr);
    if (std::isinf(v))
        v = v > 0 ? DBL_MAX : -DBL_MAX;
    return v == 0 ? 0.0 : v;
}

QString commaToPoint(QString text)
{
    const qsizetype i = text.indexOf(QLatin1Char(','));
    if (i >= 0)
        text[i] = QLatin1Char('.');
    return text;
}

double roundHalfEven(double x, int decimals)
{
    const double f = std::pow(10.0, decimals);
    const double scaled = x * f;
    // Snap values that are a hair off a half because of binary fractions.
    const double r = std::nearbyint(scaled); // current rounding mode: to even
    if (std::fabs(std::fabs(scaled - std::trunc(scaled)) - 0.5) < 1e-9) {
        const double lo = std::floor(scaled);
        const double even = std::fmod(lo, 2.0) == 0 ? lo : lo + 1;
        return even / f;
    }
    return r / f;
}

} // namespace common
