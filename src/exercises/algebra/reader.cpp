// Reading a polynomial text into the postfix list of formula.h.

#include "exercises/formula/shuntingyard.h"
#include "formula.h"

#include <cstdlib>
#include <string>

namespace algebra {

namespace {

// The values of the operands "e" and "v" that the reader accepts besides the
// letter. No problem or right answer holds them; an answer that does is
// simply judged by its values.
constexpr double valueE = 2.718281828459045;
constexpr double valueV = 1;

// The leading number of a run of digits and points: digits, one point,
// digits. Short whole numbers are counted directly; the rest goes to strtod,
// which gives infinity for absurdly long runs (the evaluator then finds no
// value).
double numberValue(const char16_t* s, qsizetype n)
{
    qsizetype end = 0;
    bool point = false;
    for (; end < n; ++end) {
        if (s[end] == u'.') {
            if (point)
                break;
            point = true;
        }
    }
    if (!point && end <= 15) {
        double v = 0;
        for (qsizetype i = 0; i < end; ++i)
            v = v * 10 + (s[i] - u'0');
        return v;
    }
    std::string text(s, s + end);
    return std::strtod(text.c_str(), nullptr);
}

Token::Kind kindOf(char16_t op)
{
    switch (op) {
    case u'+':
        return Token::Kind::Plus;
    case u'-':
        return Token::Kind::Minus;
    case u'/':
        return Token::Kind::Divide;
    case u'*':
        return Token::Kind::Times;
    default:
        return Token::Kind::Power;
    }
}

// The polynomial reader knows no functions: the letter followed by the
// start of a function name is a reading error, and so is any character
// besides the letter, digits, brackets, operators, "e" and "v".
class Reader : public formula::ShuntingYard<Reader> {
public:
    Reader(const QString& text, QChar letter) : ShuntingYard(text, letter)
    {
        f_.postfix.reserve(16);
    }

    Formula read()
    {
        f_.failed = !convert() || !checkStack();
        return std::move(f_);
    }

    bool operand(formula::Operand kind, const char16_t* text, qsizetype length)
    {
        switch (kind) {
        case formula::Operand::MinusOne:
            return push({Token::Kind::Number, -1});
        case formula::Operand::Variable:
            return push({Token::Kind::Letter});
        case formula::Operand::Number:
            return push({Token::Kind::Number, numberValue(text, length)});
        default:
            return push({Token::Kind::Number, text[0] == u'e' ? valueE : valueV});
        }
    }

    bool symbol(char16_t op) { return push({kindOf(op)}); }
    void variableMet() {}
    bool nameAtVariable(char16_t) { return false; }

    bool other(char16_t c)
    {
        if (c != u'e' && c != u'v')
            return false;
        if (previous() == formula::Previous::Close)
            return false;
        if (operandLike())
            return implicitTimes();
        return constant(c == u'e' ? u"e" : u"v", 1, 1);
    }

private:
    bool push(Token t)
    {
        if (f_.postfix.size() >= maxTokens)
            return false;
        if (t.kind == Token::Kind::Divide)
            f_.division = true;
        f_.postfix.push_back(t);
        return true;
    }

    // The list must leave exactly one value, and no operator may find fewer
    // than two values below it (a list can balance in total and still
    // start with an operator).
    bool checkStack()
    {
        int height = 0;
        for (const Token& t : f_.postfix) {
            if (t.kind == Token::Kind::Number || t.kind == Token::Kind::Letter) {
                f_.depth = std::max(f_.depth, ++height);
            } else if (--height < 1) {
                return false;
            }
        }
        return height == 1;
    }

    Formula f_;
};

} // namespace

Formula readFormula(QString& input, QChar letter)
{
    input.replace(QChar(0xB2), QLatin1String("^2"));
    input.replace(QChar(0xB3), QLatin1String("^3"));
    return Reader(input, letter).read();
}

} // namespace algebra
