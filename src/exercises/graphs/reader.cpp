// The formula reader: formula text -> postfix token list.

#include "compile.h"
#include "exercises/formula/shuntingyard.h"
#include "formula.h"

#include <QStringList>

namespace graphs {

namespace {

const QChar CR(13);

// The graph reader adds the functions, the constants "pi" and "e", and the
// count of the variable letter to the shared conversion.
class Reader : public formula::ShuntingYard<Reader> {
public:
    Reader(const QString& text, QChar variable) : ShuntingYard(text, variable), variable_(variable)
    {
    }

    Reading read()
    {
        if (!convert() || !finish()) {
            result_.failed = true;
            result_.error = formulaErrorText();
            result_.postfix.clear();
            result_.program = {};
        }
        return std::move(result_);
    }

    bool operand(formula::Operand, const char16_t* text, qsizetype length)
    {
        return output(QString(reinterpret_cast<const QChar*>(text), length), Operand);
    }

    bool symbol(char16_t symbol)
    {
        return output(QString(QChar(symbol)),
                      formula::isOperatorSymbol(symbol) ? Operator : Function);
    }

    void variableMet() { ++result_.variableCount; }

    // The variable letter that begins a function name is read as that name
    // (with the variable t, tan(t) is the tangent of t).
    bool nameAtVariable(char16_t c) { return afterTerm() ? implicitTimes() : functionName(c); }

    // "e" is always the constant, so no function name begins with it. After
    // ")" a function name gets no implicit multiplication: the final count
    // rejects )sin(x).
    bool other(char16_t c)
    {
        const bool pi = c == u'p' && restLength() > 1 && rest()[1] == u'i';
        if (c == u'e' || pi) {
            if (operandLike())
                return implicitTimes();
            return pi ? constant(u"pi", 2, 2) : constant(u"e", 1, 1);
        }
        return afterTerm() ? implicitTimes() : functionName(c);
    }

private:
    bool output(QString token, int kind)
    {
        if (int(result_.postfix.size()) >= maxTokens)
            return false;
        result_.postfix.push_back({std::move(token), kind});
        return true;
    }

    bool finish()
    {
        if (result_.postfix.empty())
            return false;
        int balance = 0;
        for (const Token& t : result_.postfix)
            balance += t.kind;
        if (balance != 1)
            return false;
        return compile(result_.postfix, variable_, result_.program);
    }

    const QChar variable_;
    Reading result_;
};

} // namespace

QString formulaErrorTitle()
{
    return QStringLiteral("Functies raden");
}

QString formulaErrorText()
{
    return QStringLiteral("Deze funktie is verkeerd ingetypt!") + CR +
           QStringLiteral("Heb je wel de juiste variabele gebruikt ?") + CR +
           QStringLiteral("Kijk goed welke letter er (rechts) bij de horizontale as staat!");
}

Reading readFormula(const QString& formula, QChar variable)
{
    return Reader(formula, variable).read();
}

QString postfixText(const std::vector<Token>& postfix)
{
    QStringList parts;
    for (const Token& t : postfix)
        parts << t.text;
    return parts.join(QLatin1Char(' '));
}

} // namespace graphs
