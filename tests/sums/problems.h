#pragma once
// Problems put together by hand for the tests, laid out as the generator
// would lay them out.

#include "exercises/sums/generator.h"

#include <QMetaType>

namespace sumstest {

inline sums::Problem sum(double g1, int teken, double g2, sums::Mode mode = {})
{
    sums::Problem p;
    p.mode = mode;
    p.getal1 = g1;
    p.getal2 = g2;
    p.teken = teken;
    p.bewerkingtekst1 = teken == 1 ? QStringLiteral(" + ") : QStringLiteral(" - ");
    const double scale = mode.kommagetal ? 10 : 1;
    p.toongetal1 = g1 / scale;
    p.toongetal2 = g2 / scale;
    p.row = sums::legUit(p);
    return p;
}

// A decimal sum of level 2, numbers in tenths.
inline sums::Problem tenths(double g1, int teken, double g2)
{
    return sum(g1, teken, g2, {.soort = 1, .ontbrekend = false, .kommagetal = true});
}

inline sums::Problem hidden(double g1, int teken, double g2)
{
    return sum(g1, teken, g2, {.soort = 1, .ontbrekend = true});
}

inline sums::Problem product(double g1, double g2, bool ontbrekend = false)
{
    sums::Problem p;
    p.mode = {.soort = 2, .ontbrekend = ontbrekend};
    p.getal1 = p.toongetal1 = g1;
    p.getal2 = p.toongetal2 = g2;
    p.bewerkingtekst1 = QStringLiteral(" x ");
    p.row = sums::legUit(p);
    return p;
}

// Operation codes: 1 plus, -1 minus, 2 times.
inline sums::Problem threeTerms(double a, int op1, double b, int op2, double c, double value)
{
    const auto text = [](int op, const char* pad) {
        const QString sign = op == 2 ? "x" : op == 1 ? "+" : "-";
        return QString::fromLatin1(pad) + sign + QString::fromLatin1(pad);
    };
    sums::Problem p;
    p.mode = {.soort = 1, .drieterms = true};
    p.getal1 = p.toongetal1 = a;
    p.getal2 = p.toongetal2 = b;
    p.getal3 = c;
    p.bewerking1 = op1;
    p.bewerking2 = op2;
    p.bewerkingtekst1 = text(op1, " ");
    p.bewerkingtekst2 = text(op2, "   ");
    p.uitkomst = value;
    p.row = sums::legUit(p);
    return p;
}

} // namespace sumstest

Q_DECLARE_METATYPE(sums::Problem)
