#pragma once
// Problems put together by hand for the tests, laid out as the generator
// would lay them out.

#include "common/random.h"
#include "exercises/sums/generator.h"

#include <QMetaType>

namespace sumstest {

// A two-term problem; op is " + ", " - " or " x ".
inline sums::Problem make(sums::Mode mode, double g1, const char* op, double g2)
{
    sums::Problem p;
    p.mode = mode;
    p.number1 = g1;
    p.number2 = g2;
    p.sign = op[1] == '-' ? -1 : 1;
    p.operationText1 = QString::fromLatin1(op);
    const double scale = mode.tenths ? 10 : 1;
    p.shownNumber1 = g1 / scale;
    p.shownNumber2 = g2 / scale;
    p.row = sums::layOut(p);
    return p;
}
// How the test problems are asked.
inline constexpr sums::Mode plain{}, hiddenSecond{.secondHidden = true}, inTenths{.tenths = true};

inline sums::Problem product(double g1, double g2, bool secondHidden = false)
{
    return make({.kind = 2, .secondHidden = secondHidden}, g1, " x ", g2);
}

// Operation codes: 1 plus, -1 minus, 2 times.
inline sums::Problem threeTerms(double a, int op1, double b, int op2, double c, double value)
{
    const auto sign = [](int op) { return op == 2 ? "x" : op == 1 ? "+" : "-"; };
    sums::Problem p = make({.threeTerms = true}, a, " + ", b);
    p.number3 = c;
    p.operation1 = op1;
    p.operation2 = op2;
    p.operationText1 = QString(" %1 ").arg(sign(op1));
    p.operationText2 = QString("   %1   ").arg(sign(op2));
    p.value = value;
    p.row = sums::layOut(p);
    return p;
}

} // namespace sumstest

Q_DECLARE_METATYPE(sums::Problem)
