#include "common/numbertext.h"
#include "exercises/graphs/arithmetic.h"
#include "exercises/graphs/formula.h"
#include "exercises/graphs/rows.h"
#include "testmain.h"

#include <cmath>
#include <random>

using namespace graphs;

namespace {

// The token list run one token at a time, as it stands: the compiled program
// (with its constant parts worked out in advance) must give the same values.
float stepByStep(const std::vector<Token>& postfix, QChar variable, double x)
{
    using namespace arithmetic;
    double stack[maxTokens + 2] = {};
    int top = 0;
    for (std::size_t i = 0; i < postfix.size(); ++i) {
        const Token& t = postfix[i];
        const QChar c = t.text[0];
        double r;
        if (t.kind == Operand) {
            stack[++top] = t.text == QString(variable)     ? x
                           : t.text == QLatin1String("pi") ? pi
                           : t.text == QLatin1String("e")  ? euler
                                                           : common::Val(t.text);
            continue;
        }
        if (t.kind == Operator) {
            const Op op = c == '+'   ? Op::Add
                          : c == '-' ? Op::Sub
                          : c == '*' ? Op::Mul
                          : c == '^' ? Op::Pow
                                     : (i + 1 == postfix.size() ? Op::DivLast : Op::Div);
            --top;
            if (!binary(op, stack[top], stack[top + 1], r) || !single(r, stack[top]))
                return onbepaald;
            continue;
        }
        const QString names = QStringLiteral("sctlwaSCTL");
        const Op functions[] = {Op::Sin, Op::Cos, Op::Tan, Op::Ln,  Op::Sqr,
                                Op::Abs, Op::Asn, Op::Acs, Op::Atn, Op::Log};
        if (!function(functions[names.indexOf(c)], stack[top], r) || !single(r, stack[top]))
            return onbepaald;
    }
    return std::fabs(stack[1]) <= FLT_MAX ? float(stack[1]) : onbepaald;
}

} // namespace

// Whatever a pupil types, the reader and the evaluator neither crash nor hang,
// and a formula that is read gives a single-precision number everywhere.
class RandomInputTest : public QObject {
    Q_OBJECT
private slots:
    void hundredThousandInputs()
    {
        static const char* const pieces[] = {
            "x",   "t",   "a",     "q",           "e",   "p",   "i",   "pi", "(",
            ")",   "+",   "-",     "*",           "/",   "^",   ".",   ",",  " ",
            "0",   "1",   "2",     "9",           "sin", "cos", "tan", "ln", "log",
            "sqr", "abs", "asn",   "arccos",      "arc", "atn", "X",   "S",  "\t",
            "é",   "1.5", "0.001", "99999999999", "s",   "c",   "l",   "ta", "ar"};
        static const char* const terms[] = {"2", "(", "sin(", "pi", "e", ".5", "-", "sqr ", "ln("};
        static const char* const joins[] = {"+", "-", "*", "/", "^", ")", "", " "};
        const QChar letters[] = {QLatin1Char('x'), QLatin1Char('t'), QLatin1Char('a'),
                                 QLatin1Char('q')};
        const double xs[] = {0, 0.001, -0.001, 1, -1, 0.5, 10, -20, 1e6};
        std::mt19937 random(20261206);
        int accepted = 0;
        for (int n = 0; n < 100000; ++n) {
            const int length = n % 100 == 0 ? 200 : int(random() % 25);
            const QChar variable = letters[random() % 4];
            // Mostly terms and operators in turn, so that many inputs are read;
            // now and then any piece at all.
            QString text;
            for (int k = 0; k < length; ++k) {
                if (random() % 5 == 0)
                    text += QString::fromUtf8(pieces[random() % std::size(pieces)]);
                else if (k % 2 == 0)
                    text += k % 4 == 0 ? QString(variable)
                                       : QString::fromUtf8(terms[random() % std::size(terms)]);
                else
                    text += QString::fromUtf8(joins[random() % std::size(joins)]);
            }
            const Reading r = prefix_suffix(text, variable);
            if (r.foutief) {
                QVERIFY(r.postfix.empty());
                QVERIFY(!r.error.isEmpty());
                continue;
            }
            ++accepted;
            QVERIFY(int(r.postfix.size()) <= maxTokens);
            int balance = 0;
            for (const Token& t : r.postfix)
                balance += t.kind;
            QCOMPARE(balance, 1);
            for (double x : xs) {
                const float y = funktiewaarde(r.program, x);
                QVERIFY2(std::isfinite(y), qPrintable(text));
                QVERIFY2(y == stepByStep(r.postfix, variable, x), qPrintable(text));
                QVERIFY(!std::isnan(rij(y, 0.5)));
            }
        }
        qInfo("%d of 100000 inputs read", accepted);
        QVERIFY(accepted > 5000); // the inputs reach the evaluator, not only the error
    }
};

TK_TEST(RandomInputTest)
#include "random_input_test.moc"
