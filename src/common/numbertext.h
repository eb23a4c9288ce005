#pragma once
// How the program writes a number as text, and how it reads a typed one.
//
// Str: a blank for zero and positive numbers, "-" otherwise; "." as decimal
// point; no zero before the point below 1; no trailing zeros. A double keeps
// 15 significant digits, a single 7. Exponent form ("1E+15", "1.234568E+07",
// " 5.6789E-12") from 10^15 up (single: 10^7), and for small numbers once the
// fixed form would need more than 15 (single: 7) decimals.

#include <QString>
#include <concepts>

namespace common {

QString Str(double x);
QString StrSingle(float x);

template <std::integral T> QString Str(T x)
{
    return Str(static_cast<double>(x));
}

// Reads the longest leading number of a text: leading blanks skipped, then an
// optional sign, digits with at most one ".", and an exponent. No number: 0.
// A value beyond the range of a double reads as the largest double.
double Val(const QString& text);

// The typed text with its first "," replaced by "." (a Dutch decimal comma).
QString commaToPoint(QString text);

// Banker's rounding to a number of decimals, as the summary's times use.
double roundHalfEven(double x, int decimals);

} // namespace common
