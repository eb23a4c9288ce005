#pragma once
// Problems put together by hand for the tests, laid out as the generator
// would lay them out.

#include "common/random.h"
#include "exercises/sums/generator.h"
#include "scriptedrandom.h"

#include <QMetaType>

namespace sumstest {

// A two-term problem; op is " + ", " - " or " x ".
inline sums::Problem make(sums::Mode mode, double g1, const char* op, double g2)
{
    sums::Problem p;
    p.mode = mode;
    p.getal1 = g1;
    p.getal2 = g2;
    p.teken = op[1] == '-' ? -1 : 1;
    p.bewerkingtekst1 = QString::fromLatin1(op);
    const double scale = mode.kommagetal ? 10 : 1;
    p.toongetal1 = g1 / scale;
    p.toongetal2 = g2 / scale;
    p.row = sums::legUit(p);
    return p;
}
// How the test problems are asked.
inline constexpr sums::Mode plain{}, hiddenSecond{.ontbrekend = true}, inTenths{.kommagetal = true};

// Scripts draws Int(Rnd x n) that give k, written {k, n}.
inline void script(tktest::ScriptedRandom& rng, std::initializer_list<std::pair<int, int>> draws)
{
    for (auto [k, n] : draws)
        rng.addDraw(k, n);
}

inline sums::Problem product(double g1, double g2, bool ontbrekend = false)
{
    return make({.soort = 2, .ontbrekend = ontbrekend}, g1, " x ", g2);
}

// Operation codes: 1 plus, -1 minus, 2 times.
inline sums::Problem threeTerms(double a, int op1, double b, int op2, double c, double value)
{
    const auto sign = [](int op) { return op == 2 ? "x" : op == 1 ? "+" : "-"; };
    sums::Problem p = make({.drieterms = true}, a, " + ", b);
    p.getal3 = c;
    p.bewerking1 = op1;
    p.bewerking2 = op2;
    p.bewerkingtekst1 = QString(" %1 ").arg(sign(op1));
    p.bewerkingtekst2 = QString("   %1   ").arg(sign(op2));
    p.uitkomst = value;
    p.row = sums::legUit(p);
    return p;
}

} // namespace sumstest

Q_DECLARE_METATYPE(sums::Problem)
