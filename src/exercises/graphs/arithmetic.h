#pragma once
// One step of a formula's evaluation, shared by the evaluator and by the
// compiler that works out constant parts in advance. False means undefined.

#include "formula.h"

#include <cfloat>
#include <cmath>

namespace graphs::arithmetic {

using Op = CompiledFormula::Op;

inline const double pi = 4.0 * std::atan(1.0);
inline const double euler = std::exp(1.0);

inline bool isBinary(Op op)
{
    return op >= Op::Add && op <= Op::Pow;
}

// Keeps r as a single-precision number; false when it does not fit.
inline bool single(double r, double& out)
{
    if (!(std::fabs(r) <= FLT_MAX))
        return false;
    out = static_cast<float>(r);
    return true;
}

inline bool binary(Op op, double a, double b, double& r)
{
    switch (op) {
    case Op::Add:
        r = a + b;
        break;
    case Op::Sub:
        r = a - b;
        break;
    case Op::Mul:
        r = a * b;
        break;
    case Op::Div:
        if (b == 0)
            return false;
        r = a / b;
        break;
    case Op::DivLast:
        // Next to a vertical asymptote the curve is broken off.
        if (b == 0 || (std::fabs(b) <= 0.001 && std::fabs(a) >= 0.1))
            return false;
        r = a / b;
        break;
    default: // Pow
        // No real value, and a negative base to a power between -1 and 1.
        if (a < 0 && (std::floor(b) != b || (b > -1 && b < 1)))
            return false;
        if (a == 0 && b < 0)
            return false;
        r = std::pow(a, b);
        break;
    }
    return true;
}

inline bool function(Op op, double v, double& r)
{
    switch (op) {
    case Op::Sin:
        r = std::sin(v);
        break;
    case Op::Cos:
        r = std::cos(v);
        break;
    case Op::Tan:
        r = std::tan(v);
        break;
    case Op::Ln:
        if (v <= 0.000001)
            return false;
        r = std::log(v);
        break;
    case Op::Log:
        if (v <= 0.000001)
            return false;
        r = std::log10(v);
        break;
    case Op::Sqr:
        if (v < 0)
            return false;
        r = std::sqrt(v);
        break;
    case Op::Abs:
        r = std::fabs(v);
        break;
    case Op::Asn:
        if (v == 1)
            r = pi / 2;
        else if (v == -1)
            r = -pi / 2;
        else if (std::fabs(v) > 1)
            return false;
        else
            r = std::atan(v / std::sqrt(1 - v * v));
        break;
    case Op::Acs:
        if (v == 0)
            r = pi / 2;
        else if (std::fabs(v) > 1)
            return false;
        else if (v > 0)
            r = std::atan(std::sqrt(1 - v * v) / v);
        else
            r = std::atan(std::sqrt(1 - v * v) / v) + pi;
        break;
    default: // Atn
        r = std::atan(v);
        break;
    }
    return true;
}

} // namespace graphs::arithmetic
