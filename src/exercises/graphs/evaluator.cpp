// The formula evaluator: runs a compiled postfix list for one value of the
// variable. Every intermediate result is kept in single precision.

#include "common/numbertext.h"
#include "compile.h"
#include "formula.h"

#include <cfloat>
#include <cmath>

namespace graphs {

namespace {

using Op = CompiledFormula::Op;

const double pi = 4.0 * std::atan(1.0);
const double euler = std::exp(1.0);

Op operatorOp(QChar symbol, bool last)
{
    switch (symbol.unicode()) {
    case '+':
        return Op::Add;
    case '-':
        return Op::Sub;
    case '*':
        return Op::Mul;
    case '/':
        return last ? Op::DivLast : Op::Div;
    default:
        return Op::Pow;
    }
}

Op functionOp(QChar symbol)
{
    switch (symbol.unicode()) {
    case 's':
        return Op::Sin;
    case 'c':
        return Op::Cos;
    case 't':
        return Op::Tan;
    case 'l':
        return Op::Ln;
    case 'w':
        return Op::Sqr;
    case 'a':
        return Op::Abs;
    case 'S':
        return Op::Asn;
    case 'C':
        return Op::Acs;
    case 'T':
        return Op::Atn;
    default:
        return Op::Log;
    }
}

// Stores r as a single-precision number; false when it does not fit.
inline bool single(double r, double& slot)
{
    if (!(std::fabs(r) <= FLT_MAX))
        return false;
    slot = static_cast<float>(r);
    return true;
}

inline bool power(double a, double b, double& r)
{
    if (a < 0 && (std::floor(b) != b || (b > -1 && b < 1)))
        return false; // no real value (and a negative base to a power between -1 and 1)
    if (a == 0 && b < 0)
        return false;
    r = std::pow(a, b);
    return true;
}

inline bool arcsine(double v, double& r)
{
    if (v == 1)
        r = pi / 2;
    else if (v == -1)
        r = -pi / 2;
    else if (std::fabs(v) > 1)
        return false;
    else
        r = std::atan(v / std::sqrt(1 - v * v));
    return true;
}

inline bool arccosine(double v, double& r)
{
    if (v == 0)
        r = pi / 2;
    else if (std::fabs(v) > 1)
        return false;
    else if (v > 0)
        r = std::atan(std::sqrt(1 - v * v) / v);
    else
        r = std::atan(std::sqrt(1 - v * v) / v) + pi;
    return true;
}

} // namespace

bool compile(const std::vector<Token>& postfix, QChar variabele, CompiledFormula& out)
{
    out.steps.clear();
    out.steps.reserve(postfix.size());
    int top = 0; // slot of the top value; slot 0 is a zero below the first value
    for (std::size_t i = 0; i < postfix.size(); ++i) {
        const Token& t = postfix[i];
        if (t.kind == Operand) {
            ++top;
            if (t.text == QString(variabele))
                out.steps.push_back({Op::Variable, 0});
            else if (t.text == QLatin1String("pi"))
                out.steps.push_back({Op::Value, pi});
            else if (t.text == QLatin1String("e"))
                out.steps.push_back({Op::Value, euler});
            else
                out.steps.push_back({Op::Value, common::Val(t.text)});
        } else if (t.kind == Operator) {
            if (top < 1)
                return false;
            --top;
            out.steps.push_back({operatorOp(t.text[0], i + 1 == postfix.size()), 0});
        } else {
            out.steps.push_back({functionOp(t.text[0]), 0});
        }
    }
    return top == 1;
}

float funktiewaarde(const CompiledFormula& formula, double xwaarde)
{
    if (formula.steps.empty())
        return onbepaald; // nothing was read
    double stack[maxTokens + 2];
    stack[0] = 0;
    int top = 0;
    for (const CompiledFormula::Step& s : formula.steps) {
        double r = 0;
        switch (s.op) {
        case Op::Value:
            stack[++top] = s.value;
            continue;
        case Op::Variable:
            stack[++top] = xwaarde;
            continue;
        case Op::Add:
            r = stack[top - 1] + stack[top];
            break;
        case Op::Sub:
            r = stack[top - 1] - stack[top];
            break;
        case Op::Mul:
            r = stack[top - 1] * stack[top];
            break;
        case Op::Div:
            if (stack[top] == 0)
                return onbepaald;
            r = stack[top - 1] / stack[top];
            break;
        case Op::DivLast:
            // Next to a vertical asymptote the curve is broken off.
            if (stack[top] == 0 ||
                (std::fabs(stack[top]) <= 0.001 && std::fabs(stack[top - 1]) >= 0.1))
                return onbepaald;
            r = stack[top - 1] / stack[top];
            break;
        case Op::Pow:
            if (!power(stack[top - 1], stack[top], r))
                return onbepaald;
            break;
        case Op::Sin:
            if (!single(std::sin(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Cos:
            if (!single(std::cos(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Tan:
            if (!single(std::tan(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Ln:
            if (stack[top] <= 0.000001 || !single(std::log(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Log:
            if (stack[top] <= 0.000001 || !single(std::log10(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Sqr:
            if (stack[top] < 0 || !single(std::sqrt(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Abs:
            if (!single(std::fabs(stack[top]), stack[top]))
                return onbepaald;
            continue;
        case Op::Asn:
            if (!arcsine(stack[top], r) || !single(r, stack[top]))
                return onbepaald;
            continue;
        case Op::Acs:
            if (!arccosine(stack[top], r) || !single(r, stack[top]))
                return onbepaald;
            continue;
        case Op::Atn:
            if (!single(std::atan(stack[top]), stack[top]))
                return onbepaald;
            continue;
        }
        // A binary operation: the result replaces both operands.
        --top;
        if (!single(r, stack[top]))
            return onbepaald;
    }
    const double result = stack[1];
    return std::fabs(result) <= FLT_MAX ? static_cast<float>(result) : onbepaald;
}

} // namespace graphs
