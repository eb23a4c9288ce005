#pragma once
// The shunting-yard conversion that both formula readers share: a formula
// text becomes a postfix list, with implicit multiplication (2x, 2(x+1),
// x(x+1), ")(" and -x all multiply).
//
// The reader derives from ShuntingYard<Reader> and gives the output and the
// characters that only it knows:
//   bool operand(Operand kind, const char16_t* text, qsizetype length)
//   bool symbol(char16_t symbol)       an operator or function leaves the stack
//   void variableMet()                 the variable letter is read (again)
//   bool nameAtVariable(char16_t c)    the variable letter begins a function name
//   bool other(char16_t c)             any character the shared steps do not take
// Each returns false for a reading error, which ends the reading.

#include "symbols.h"

#include <QString>
#include <array>

namespace formula {

// Kind of the token read before the current one.
enum class Previous : std::uint8_t { Start, UnaryMinus, Open, Value, Operator, Close, Name };

// What an operand token stands for.
enum class Operand : std::uint8_t { MinusOne, Variable, Number, Constant };

template <class Reader> class ShuntingYard {
protected:
    ShuntingYard(const QString& text, QChar variable)
        : s_(reinterpret_cast<const char16_t*>(text.utf16())), n_(text.size()),
          variable_(variable.unicode())
    {
    }

    // Reads the whole text and empties the stack into the output. False on a
    // reading error or brackets that do not match.
    bool convert()
    {
        while (pos_ < n_)
            if (!step())
                return false;
        while (size_ > 0) {
            const char16_t top = stack_[--size_];
            if (top != u'(' && !reader().symbol(top))
                return false;
        }
        return depth_ == 0;
    }

    Previous previous() const { return previous_; }
    bool operandLike() const
    {
        return previous_ == Previous::UnaryMinus || previous_ == Previous::Value ||
               previous_ == Previous::Close;
    }
    // After a unary minus or an operand, but not after ")".
    bool afterTerm() const
    {
        return previous_ == Previous::UnaryMinus || previous_ == Previous::Value;
    }
    const char16_t* rest() const { return s_ + pos_; }
    qsizetype restLength() const { return n_ - pos_; }

    // A "*" that is not typed: the same character is read again afterwards.
    bool implicitTimes() { return pushOperator(u'*'); }

    // An operand of `length` characters from the current position.
    bool constant(const char16_t* text, qsizetype textLength, qsizetype length)
    {
        pos_ += length;
        previous_ = Previous::Value;
        return reader().operand(Operand::Constant, text, textLength);
    }

    // The function name at the current position, begun by the lowered c.
    bool functionName(char16_t c)
    {
        const FunctionName f = readFunctionName(rest(), restLength(), c);
        if (f.symbol == 0)
            return false;
        pos_ += f.length;
        // A function pops functions and powers, but stops at "*" and "/", at
        // "(" and at "+" and "-".
        while (size_ > 0) {
            const char16_t top = stack_[size_ - 1];
            if (top == u'*' || top == u'/' || priority(top) < 2)
                break;
            if (!pop())
                return false;
        }
        previous_ = Previous::Name;
        return push(f.symbol);
    }

private:
    Reader& reader() { return static_cast<Reader&>(*this); }

    bool step()
    {
        const char16_t c = lowerAscii(s_[pos_]);
        if (c == u' ') {
            ++pos_;
            return true;
        }
        if (c == u'-' &&
            (pos_ == 0 || previous_ == Previous::Open || previous_ == Previous::Operator)) {
            ++pos_;
            previous_ = Previous::UnaryMinus;
            return reader().operand(Operand::MinusOne, u"-1", 2);
        }
        if (c == variable_)
            return variable(c);
        if (c == u'(')
            return operandLike() ? implicitTimes() : open();
        if (isDigit(c) || c == u'.')
            return operandLike() ? implicitTimes() : number();
        if (isOperatorSymbol(c)) {
            ++pos_;
            return pushOperator(c);
        }
        if (c == u')') {
            ++pos_;
            return close();
        }
        return reader().other(c);
    }

    bool variable(char16_t c)
    {
        reader().variableMet();
        if (pos_ + 1 < n_ && beginsFunctionName(c, s_[pos_ + 1]))
            return reader().nameAtVariable(c);
        if (operandLike())
            return implicitTimes();
        ++pos_;
        previous_ = Previous::Value;
        return reader().operand(Operand::Variable, &c, 1);
    }

    bool open()
    {
        ++pos_;
        ++depth_;
        previous_ = Previous::Open;
        return push(u'(');
    }

    bool number()
    {
        const qsizetype begin = pos_;
        pos_ = numberEnd(s_, n_, pos_);
        previous_ = Previous::Value;
        return reader().operand(Operand::Number, s_ + begin, pos_ - begin);
    }

    // An operator pops what binds at least as tightly, then waits on the stack.
    bool pushOperator(char16_t op)
    {
        const int p = priority(op);
        while (size_ > 0 && priority(stack_[size_ - 1]) >= p)
            if (!pop())
                return false;
        previous_ = Previous::Operator;
        return push(op);
    }

    bool close()
    {
        --depth_;
        for (;;) {
            if (size_ == 0)
                return false;
            if (stack_[size_ - 1] == u'(')
                break;
            if (!pop())
                return false;
        }
        --size_;
        previous_ = Previous::Close;
        return true;
    }

    bool push(char16_t symbol)
    {
        if (size_ >= maxStack)
            return false;
        stack_[size_++] = symbol;
        return true;
    }

    bool pop() { return reader().symbol(stack_[--size_]); }

    const char16_t* s_;
    qsizetype n_;
    char16_t variable_;
    qsizetype pos_ = 0;
    Previous previous_ = Previous::Start;
    int depth_ = 0;
    int size_ = 0;
    std::array<char16_t, maxStack> stack_;
};

} // namespace formula
