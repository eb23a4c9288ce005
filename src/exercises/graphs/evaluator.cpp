// The formula evaluator: runs a compiled formula for one value of the
// variable. Every intermediate result is kept in single precision.

#include "arithmetic.h"
#include "formula.h"

namespace graphs {

float valueAt(const CompiledFormula& formula, double x)
{
    using namespace arithmetic;
    using Source = CompiledFormula::Source;
    if (formula.steps.empty())
        return undefined; // nothing was read
    double stack[maxTokens + 2];
    stack[0] = 0; // below the first value lies a zero
    int top = 0;
    for (const CompiledFormula::Step& s : formula.steps) {
        double r;
        switch (s.op) {
        case Op::Value:
            stack[++top] = s.value;
            continue;
        case Op::Variable:
            stack[++top] = x;
            continue;
        case Op::Undefined:
            return undefined;
        case Op::Add:
        case Op::Sub:
        case Op::Mul:
        case Op::Div:
        case Op::DivLast:
        case Op::Pow: {
            double b;
            if (s.right == Source::Stack) {
                b = stack[top--];
            } else if (s.right == Source::Constant) {
                b = s.value;
            } else {
                b = x;
                if (s.right == Source::ConstantAndVariable)
                    stack[++top] = s.value;
            }
            double& a = stack[top];
            if (s.op == Op::Mul)
                r = a * b; // the common cases without a guard first
            else if (s.op == Op::Add)
                r = a + b;
            else if (!binary(s.op, a, b, r))
                return undefined;
            if (!single(r, a))
                return undefined;
            continue;
        }
        default:
            if (!function(s.op, stack[top], r) || !single(r, stack[top]))
                return undefined;
            continue;
        }
    }
    const double result = stack[1];
    return std::fabs(result) <= FLT_MAX ? static_cast<float>(result) : undefined;
}

} // namespace graphs
