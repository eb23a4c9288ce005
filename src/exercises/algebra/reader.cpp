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
constexpr double waardeE = 2.718281828459045;
constexpr double waardeV = 1;

// The leading number of a run of digits and points: digits, one point,
// digits. Short whole numbers are counted directly; the rest goes to strtod,
// which gives infinity for absurdly long runs (the evaluator then finds no
// value).
double getalWaarde(const char16_t* s, qsizetype n)
{
    qsizetype eind = 0;
    bool punt = false;
    for (; eind < n; ++eind) {
        if (s[eind] == u'.') {
            if (punt)
                break;
            punt = true;
        }
    }
    if (!punt && eind <= 15) {
        double v = 0;
        for (qsizetype i = 0; i < eind; ++i)
            v = v * 10 + (s[i] - u'0');
        return v;
    }
    std::string tekst(s, s + eind);
    return std::strtod(tekst.c_str(), nullptr);
}

Token::Soort soortVan(char16_t op)
{
    switch (op) {
    case u'+':
        return Token::Soort::Plus;
    case u'-':
        return Token::Soort::Min;
    case u'/':
        return Token::Soort::Deel;
    case u'*':
        return Token::Soort::Maal;
    default:
        return Token::Soort::Macht;
    }
}

// The polynomial reader knows no functions: the letter followed by the
// start of a function name is a reading error, and so is any character
// besides the letter, digits, brackets, operators, "e" and "v".
class Lezer : public formula::ShuntingYard<Lezer> {
public:
    Lezer(const QString& tekst, QChar letter) : ShuntingYard(tekst, letter)
    {
        f_.postfix.reserve(16);
    }

    Formule lees()
    {
        f_.foutief = !convert() || !controleerStapel();
        return std::move(f_);
    }

    bool operand(formula::Operand soort, const char16_t* tekst, qsizetype lengte)
    {
        switch (soort) {
        case formula::Operand::MinusOne:
            return uit({Token::Soort::Getal, -1});
        case formula::Operand::Variable:
            return uit({Token::Soort::Letter});
        case formula::Operand::Number:
            return uit({Token::Soort::Getal, getalWaarde(tekst, lengte)});
        default:
            return uit({Token::Soort::Getal, tekst[0] == u'e' ? waardeE : waardeV});
        }
    }

    bool symbol(char16_t op) { return uit({soortVan(op)}); }
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
    bool uit(Token t)
    {
        if (f_.postfix.size() >= maxTokens)
            return false;
        if (t.soort == Token::Soort::Deel)
            f_.deling = true;
        f_.postfix.push_back(t);
        return true;
    }

    // The list must leave exactly one value, and no operator may find fewer
    // than two values below it (a list can balance in total and still
    // start with an operator).
    bool controleerStapel()
    {
        int hoogte = 0;
        for (const Token& t : f_.postfix) {
            if (t.soort == Token::Soort::Getal || t.soort == Token::Soort::Letter) {
                f_.diepte = std::max(f_.diepte, ++hoogte);
            } else if (--hoogte < 1) {
                return false;
            }
        }
        return hoogte == 1;
    }

    Formule f_;
};

} // namespace

Formule prefix_suffix(QString& invoer, QChar letter)
{
    invoer.replace(QChar(0xB2), QLatin1String("^2"));
    invoer.replace(QChar(0xB3), QLatin1String("^3"));
    return Lezer(invoer, letter).lees();
}

} // namespace algebra
