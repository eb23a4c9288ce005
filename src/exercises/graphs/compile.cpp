// Compiles a postfix token list into the steps that valueAt runs.
//
// The list becomes a tree; parts without the variable are worked out once
// (each with the same single-precision steps as at run time), and a constant
// or the variable as right-hand operand goes into its operator's step. The
// order of the remaining steps is that of the list, so every value and every
// undefined case stays as the list would give it.

#include "compile.h"

#include "arithmetic.h"
#include "common/numbertext.h"

namespace graphs {

namespace {

using Op = CompiledFormula::Op;
using Source = CompiledFormula::Source;
using Step = CompiledFormula::Step;

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

Step operandStep(const Token& t, QChar variable)
{
    if (t.text == QString(variable))
        return {Op::Variable};
    if (t.text == QLatin1String("pi"))
        return {Op::Value, Source::Stack, arithmetic::pi};
    if (t.text == QLatin1String("e"))
        return {Op::Value, Source::Stack, arithmetic::euler};
    return {Op::Value, Source::Stack, common::Val(t.text)};
}

Step tokenStep(const Token& t, QChar variable, bool last)
{
    if (t.kind == Operand)
        return operandStep(t, variable);
    if (t.kind == Operator)
        return {operatorOp(t.text[0], last)};
    return {functionOp(t.text[0])};
}

struct Node {
    Step step;
    int left = -1;  // operand of a function, left operand of an operator
    int right = -1; // right operand of an operator
};

class TreeCompiler {
public:
    TreeCompiler(const std::vector<Token>& postfix, QChar variable)
    {
        std::vector<int> stack;
        for (std::size_t i = 0; i < postfix.size(); ++i) {
            Node n{tokenStep(postfix[i], variable, i + 1 == postfix.size())};
            if (postfix[i].kind == Operator) {
                n.right = stack.back();
                stack.pop_back();
            }
            if (postfix[i].kind != Operand) {
                n.left = stack.back();
                stack.pop_back();
            }
            nodes_.push_back(n);
            stack.push_back(int(nodes_.size()) - 1);
        }
    }

    void writeSteps(CompiledFormula& out)
    {
        out.steps.clear();
        if (!fold()) {
            out.steps.push_back({Op::Undefined});
            return;
        }
        generate(int(nodes_.size()) - 1, out.steps);
    }

private:
    bool isConstant(int n) const { return nodes_[n].step.op == Op::Value; }

    // Children come before their parents in the list, so one pass works the
    // constant parts out from the bottom up. False: a constant part is
    // undefined.
    bool fold()
    {
        for (Node& n : nodes_) {
            if (n.left < 0 || !isConstant(n.left) || (n.right >= 0 && !isConstant(n.right)))
                continue;
            const double a = nodes_[n.left].step.value;
            double r;
            const bool defined =
                n.right >= 0 ? arithmetic::binary(n.step.op, a, nodes_[n.right].step.value, r)
                             : arithmetic::function(n.step.op, a, r);
            double value;
            if (!defined || !arithmetic::single(r, value))
                return false;
            n = Node{{Op::Value, Source::Stack, value}};
        }
        return true;
    }

    void generate(int index, std::vector<Step>& steps) const
    {
        const Node& n = nodes_[index];
        Step s = n.step;
        if (n.right >= 0 && isConstant(n.left) && nodes_[n.right].step.op == Op::Variable) {
            s.right = Source::ConstantAndVariable;
            s.value = nodes_[n.left].step.value;
            steps.push_back(s);
            return;
        }
        if (n.left >= 0)
            generate(n.left, steps);
        if (n.right >= 0) {
            const Step& right = nodes_[n.right].step;
            if (right.op == Op::Value) {
                s.right = Source::Constant;
                s.value = right.value;
            } else if (right.op == Op::Variable) {
                s.right = Source::Variable;
            } else {
                generate(n.right, steps);
            }
        }
        steps.push_back(s);
    }

    std::vector<Node> nodes_;
};

} // namespace

bool compile(const std::vector<Token>& postfix, QChar variable, CompiledFormula& out)
{
    // Slot 0 of the value stack holds a zero below the first value. A list
    // whose operators reach below it cannot be evaluated; one that uses the
    // zero (or overwrites it) is compiled step by step, exactly as it stands.
    int top = 0;
    bool usesZero = false;
    for (const Token& t : postfix) {
        if (t.kind == Operand) {
            ++top;
        } else if (t.kind == Operator) {
            if (top < 1)
                return false;
            usesZero = usesZero || top == 1;
            --top;
        } else {
            usesZero = usesZero || top == 0;
        }
    }
    if (top != 1)
        return false;
    if (usesZero) {
        out.steps.clear();
        for (std::size_t i = 0; i < postfix.size(); ++i)
            out.steps.push_back(tokenStep(postfix[i], variable, i + 1 == postfix.size()));
        return true;
    }
    TreeCompiler(postfix, variable).writeSteps(out);
    return true;
}

} // namespace graphs
