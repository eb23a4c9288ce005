// The formula reader: formula text -> postfix token list.

#include "common/numbertext.h"
#include "compile.h"
#include "formula.h"

namespace graphs {

namespace {

const QChar CR(13);

// Kind of the previous token while reading.
enum Previous { Start = 0, UnaryMinus = 1, Open = 2, Value = 3, Op = 4, Close = 5, Name = 6 };

int priority(char symbol)
{
    switch (symbol) {
    case '+':
    case '-':
        return 1;
    case '/':
        return 3;
    case '*':
        return 4;
    case '^':
        return 5;
    case '(':
        return 0;
    default:
        return 2; // functions
    }
}

bool isOperatorSymbol(char symbol)
{
    return symbol == '+' || symbol == '-' || symbol == '/' || symbol == '*' || symbol == '^';
}

// Only the letters A-Z are lowered; every other character stays as it is.
QChar lowerAscii(QChar ch)
{
    const char16_t u = ch.unicode();
    return (u >= 'A' && u <= 'Z') ? QChar(char16_t(u + 32)) : ch;
}

bool isDigit(QChar ch)
{
    return ch.unicode() >= '0' && ch.unicode() <= '9';
}

// Two letters with which a function name can begin.
bool beginsFunctionName(QChar first, QChar second)
{
    static const char* const starts[] = {"si", "co", "ta", "lo", "ln", "ab",
                                         "as", "ac", "at", "ar", "sq"};
    for (const char* s : starts)
        if (first == QLatin1Char(s[0]) && second == QLatin1Char(s[1]))
            return true;
    return false;
}

struct FunctionName {
    const char* name;
    char symbol;
};

const FunctionName threeLetterNames[] = {{"sin", 's'}, {"cos", 'c'}, {"tan", 't'},
                                         {"log", 'L'}, {"sqr", 'w'}, {"abs", 'a'},
                                         {"asn", 'S'}, {"acs", 'C'}, {"atn", 'T'}};
const FunctionName sixLetterNames[] = {{"arcsin", 'S'}, {"arccos", 'C'}, {"arctan", 'T'}};

class Reader {
public:
    Reader(const QString& text, QChar variable) : text_(text), variable_(variable) {}

    Reading read()
    {
        if (!scan() || !finish()) {
            result_.foutief = true;
            result_.error = formulaErrorText();
            result_.postfix.clear();
            result_.program = {};
        }
        return std::move(result_);
    }

private:
    bool operandLike() const
    {
        return previous_ == UnaryMinus || previous_ == Value || previous_ == Close;
    }

    bool output(QString token, int kind)
    {
        if (int(result_.postfix.size()) >= maxTokens)
            return false;
        result_.postfix.push_back({std::move(token), kind});
        return true;
    }

    bool push(char symbol)
    {
        if (int(stack_.size()) >= maxStapel)
            return false;
        stack_.push_back(symbol);
        return true;
    }

    bool popToOutput()
    {
        const char symbol = stack_.back();
        stack_.pop_back();
        return output(QString(QLatin1Char(symbol)), isOperatorSymbol(symbol) ? Operator : Function);
    }

    // An operator: pop what binds at least as tight, then push it.
    bool pushOperator(char symbol)
    {
        while (!stack_.empty() && priority(stack_.back()) >= priority(symbol))
            if (!popToOutput())
                return false;
        previous_ = Op;
        return push(symbol);
    }

    // A function pops functions and powers, but stops at "*" and "/", at "("
    // and at "+" and "-".
    bool pushFunction(char symbol)
    {
        while (!stack_.empty()) {
            const char top = stack_.back();
            if (top == '*' || top == '/' || priority(top) < 2)
                break;
            if (!popToOutput())
                return false;
        }
        previous_ = Name;
        return push(symbol);
    }

    QChar at(qsizetype i) const { return i < text_.size() ? text_[i] : QChar(); }

    // The function name at the position, begun by the (lowered) letter c.
    bool readFunctionName(QChar c)
    {
        const qsizetype n = text_.size();
        if (pos_ + 1 < n && c == QLatin1Char('l') && at(pos_ + 1) == QLatin1Char('n')) {
            pos_ += 2;
            return pushFunction('l');
        }
        auto matches = [&](const char* name, qsizetype length) {
            if (pos_ + length > n || c != QLatin1Char(name[0]))
                return false;
            for (qsizetype k = 1; k < length; ++k)
                if (text_[pos_ + k] != QLatin1Char(name[k]))
                    return false;
            return true;
        };
        for (const FunctionName& f : threeLetterNames)
            if (matches(f.name, 3)) {
                pos_ += 3;
                return pushFunction(f.symbol);
            }
        for (const FunctionName& f : sixLetterNames)
            if (matches(f.name, 6)) {
                pos_ += 6;
                return pushFunction(f.symbol);
            }
        return false;
    }

    // A character that is not handled by the other steps: a closing
    // parenthesis, or a function name (after an implicit multiplication).
    // Returns false when the formula is wrong. An implicit multiplication
    // leaves the position where it is, so the same character is read again.
    bool other(QChar c)
    {
        if (c == QLatin1Char(')')) {
            --depth_;
            for (;;) {
                if (stack_.empty())
                    return false;
                if (stack_.back() == '(')
                    break;
                if (!popToOutput())
                    return false;
            }
            stack_.pop_back();
            previous_ = Close;
            ++pos_;
            return true;
        }
        if (previous_ == UnaryMinus || previous_ == Value)
            return pushOperator('*');
        return readFunctionName(c);
    }

    bool scan()
    {
        const qsizetype n = text_.size();
        while (pos_ < n) {
            const QChar c = lowerAscii(text_[pos_]);
            bool ok = true;
            if (c == QLatin1Char(' ')) {
                ++pos_;
            } else if (c == QLatin1Char('-') &&
                       (pos_ == 0 || previous_ == Open || previous_ == Op)) {
                ok = output(QStringLiteral("-1"), Operand);
                previous_ = UnaryMinus;
                ++pos_;
            } else if (c == variable_) {
                ++result_.varteller;
                if (pos_ + 1 < n && beginsFunctionName(c, text_[pos_ + 1])) {
                    ok = other(c);
                } else if (operandLike()) {
                    ok = pushOperator('*'); // implicit: read the letter again
                } else {
                    ok = output(QString(c), Operand);
                    previous_ = Value;
                    ++pos_;
                }
            } else if (c == QLatin1Char('e') || c == QLatin1Char('(') ||
                       (c == QLatin1Char('p') && at(pos_ + 1) == QLatin1Char('i')) || isDigit(c) ||
                       c == QLatin1Char('.')) {
                if (operandLike()) {
                    ok = pushOperator('*'); // implicit: read the character again
                } else {
                    ok = operandStart(c);
                }
            } else if (c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('/') ||
                       c == QLatin1Char('*') || c == QLatin1Char('^')) {
                ok = pushOperator(char(c.unicode()));
                ++pos_;
            } else {
                ok = other(c);
            }
            if (!ok)
                return false;
        }
        return true;
    }

    // "e", "(", "pi" or a number where no implicit multiplication is needed.
    bool operandStart(QChar c)
    {
        if (c == QLatin1Char('e')) {
            ++pos_;
            previous_ = Value;
            return output(QStringLiteral("e"), Operand);
        }
        if (c == QLatin1Char('(')) {
            ++pos_;
            ++depth_;
            previous_ = Open;
            return push('(');
        }
        if (c == QLatin1Char('p')) {
            pos_ += 2;
            previous_ = Value;
            return output(QStringLiteral("pi"), Operand);
        }
        const qsizetype begin = pos_;
        while (pos_ < text_.size() && (isDigit(text_[pos_]) || text_[pos_] == QLatin1Char('.')))
            ++pos_;
        previous_ = Value;
        return output(text_.mid(begin, pos_ - begin), Operand);
    }

    bool finish()
    {
        while (!stack_.empty())
            if (!popToOutput())
                return false;
        if (depth_ != 0 || result_.postfix.empty())
            return false;
        int balance = 0;
        for (const Token& t : result_.postfix)
            balance += t.kind;
        if (balance != 1)
            return false;
        return compile(result_.postfix, variable_, result_.program);
    }

    const QString& text_;
    const QChar variable_;
    qsizetype pos_ = 0;
    Previous previous_ = Start;
    int depth_ = 0;
    std::vector<char> stack_;
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

Reading prefix_suffix(const QString& formule, QChar variabele)
{
    return Reader(formule, variabele).read();
}

QString postfixText(const std::vector<Token>& postfix)
{
    QStringList parts;
    for (const Token& t : postfix)
        parts << t.text;
    return parts.join(QLatin1Char(' '));
}

} // namespace graphs
