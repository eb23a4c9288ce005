#pragma once
// The graph form's formula reader and evaluator.
//
// readFormula reads a formula once into a postfix token list (shunting-yard
// with implicit multiplication) and compiles that list into a compact program;
// valueAt evaluates the program for one value of the variable. The
// generated functions and the pupils' answers both go through these two, so
// their odd rules (only the first letter of a name lowered, "*" binding
// tighter than "/", a product after a function call ending up inside it, "e"
// always the constant) apply to both alike.

#include "exercises/formula/symbols.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace graphs {

// The value that marks "undefined here".
inline constexpr float undefined = 30000.0f;

// Limits of the reader.
inline constexpr int maxTokens = formula::maxTokens;
inline constexpr int maxStack = formula::maxStack;

// Kinds of a postfix token.
enum TokenKind : int { Operand = 1, Operator = -1, Function = 0 };

struct Token {
    QString text; // number as typed, "-1", the variable letter, "pi", "e", or a symbol
    int kind = Operand;
    bool operator==(const Token&) const = default;
};

// The token list compiled for evaluation: no texts. Constant parts are worked
// out once, and a constant or the variable as right-hand operand is built
// into its operator's step.
struct CompiledFormula {
    enum class Op : std::uint8_t {
        Value,
        Variable,
        Undefined, // a constant part that is undefined: so is the whole formula
        // binary operators
        Add,
        Sub,
        Mul,
        Div,
        DivLast, // a division that is the outermost operation
        Pow,
        // functions
        Sin,
        Cos,
        Tan,
        Ln,
        Sqr,
        Abs,
        Asn,
        Acs,
        Atn,
        Log,
    };
    // Where a binary operator finds its operands: both on the stack, a
    // constant or the variable on the right, or a constant on the left and
    // the variable on the right (as in 3x; the result is pushed).
    enum class Source : std::uint8_t { Stack, Constant, Variable, ConstantAndVariable };
    struct Step {
        Op op;
        Source right = Source::Stack;
        double value = 0; // of Value, or of a constant operand
    };
    std::vector<Step> steps;
};

// What readFormula gives back.
struct Reading {
    std::vector<Token> postfix;
    bool failed = false;
    int variableCount = 0; // how often the variable letter was met
    QString error;         // the message to show when failed
    CompiledFormula program;
};

// Title and text of the one message box of a formula that cannot be read.
QString formulaErrorTitle();
QString formulaErrorText();

// Reads `formula` (the right-hand side only) with the variable letter
// `variable` (one lower-case letter).
Reading readFormula(const QString& formula, QChar variable);

// The value of the formula for variable = xwaarde, in single precision;
// undefined where it is undefined or too large for single precision.
float valueAt(const CompiledFormula& formula, double x);

// The postfix list written out with blanks between the tokens ("2 x * 1 +").
QString postfixText(const std::vector<Token>& postfix);

} // namespace graphs
