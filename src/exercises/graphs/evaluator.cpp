// The formula evaluator: runs a compiled formula for one value of the
// variable. Every intermediate result is kept in single precision.

#include "arithmetic.h"
#include "formula.h"

namespace graphs {

float funktiewaarde(const CompiledFormula& formula, double xwaarde)
{
    using namespace arithmetic;
    using Source = CompiledFormula::Source;
    if (formula.steps.empty())
        return onbepaald; // nothing was read
    double stack[maxTokens + 2];
    stack[0] = 0; // below the first value lies a zero
    int top = 0;
    for (const CompiledFormula::Step& s : formula.steps) {
        double r;
        if (s.op == Op::Value) {
            stack[++top] = s.value;
        } else if (s.op == Op::Variable) {
            stack[++top] = xwaarde;
        } else if (isBinary(s.op)) {
            const double b = s.right == Source::Constant   ? s.value
                             : s.right == Source::Variable ? xwaarde
                                                           : stack[top--];
            if (!binary(s.op, stack[top], b, r) || !single(r, stack[top]))
                return onbepaald;
        } else if (s.op == Op::Undefined) {
            return onbepaald;
        } else {
            if (!function(s.op, stack[top], r) || !single(r, stack[top]))
                return onbepaald;
        }
    }
    const double result = stack[1];
    return std::fabs(result) <= FLT_MAX ? static_cast<float>(result) : onbepaald;
}

} // namespace graphs
