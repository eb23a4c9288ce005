// The formula reader and evaluator: the postfix list, its limits, the
// values it gives, and random input that must neither crash nor hang.
#include "common/numbertext.h"
#include "exercises/graphs/arithmetic.h"
#include "exercises/graphs/formula.h"
#include "exercises/graphs/rows.h"
#include "testmain.h"

#include <cmath>
#include <random>

using namespace graphs;

namespace {
// The postfix list, or "fout" when the formula is rejected.
QString read(const QString& formula, QChar variable = QLatin1Char('x'))
{
    const Reading r = readFormula(formula, variable);
    return r.failed ? QStringLiteral("fout") : postfixText(r.postfix);
}

QString repeated(const QString& piece, int n, const QString& separator)
{
    QStringList parts;
    for (int i = 0; i < n; ++i)
        parts << piece;
    return parts.join(separator);
}

void row(const char* name, const QString& formula, const char* postfix, char variable = 'x')
{
    QTest::newRow(name) << formula << QChar(QLatin1Char(variable)) << QString(postfix);
}

const double pi = 4.0 * std::atan(1.0);

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
                return undefined;
            continue;
        }
        const QString names = QStringLiteral("sctlwaSCTL");
        const Op functions[] = {Op::Sin, Op::Cos, Op::Tan, Op::Ln,  Op::Sqr,
                                Op::Abs, Op::Asn, Op::Acs, Op::Atn, Op::Log};
        if (!function(functions[names.indexOf(c)], stack[top], r) || !single(r, stack[top]))
            return undefined;
    }
    return std::fabs(stack[1]) <= FLT_MAX ? float(stack[1]) : undefined;
}

} // namespace

class ReaderTest : public QObject {
    Q_OBJECT
private slots:
    void postfix_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QChar>("variable");
        QTest::addColumn<QString>("postfix");
        row("number before letter multiplies", "3x", "3 x *");
        row("number before bracket multiplies", "2(x-4)", "2 x 4 - *");
        row("bracket after bracket multiplies", "(x+1)(x-1)", "x 1 + x 1 - *");
        row("number before pi", "2pi", "2 pi *");
        row("leading minus", "-x", "-1 x *");
        row("minus before a power", "-x^2", "-1 x 2 ^ *");
        row("minus after a power sign", "2^-x", "2 -1 ^ x *");
        row("blank before a leading minus (the form trims it first)", " -x", "fout");
        row("capital variable", "X", "x");
        row("first letter of a name lowered", "Sin(x)", "x s");
        row("only first letter lowered", "SIN(x)", "fout");
        row("e is the constant", "exp(x)", "fout");
        row("e times x", "ex", "e x *");
        row("star binds tighter than slash", "1/2x", "1 2 x * /");
        row("power left-associative", "2^3^2", "2 3 ^ 2 ^");
        row("product after a function goes inside", "sin(x)*2", "x 2 * s");
        row("minus before a function", "-cos(x)", "-1 x c *");
        row("function after a bracket", "(x+1)sin(x)", "fout");
        row("variable starts tan", "tan(t)", "t t", 't');
        row("variable p spoils pi", "pi", "fout", 'p');
        row("wrong variable letter", "2x", "fout", 't');
        row("letter before number", "x2", "x 2 *");
        row("number with two points", "1.2.3", "1.2.3");
        row("function without brackets", "sin x", "x s");
        row("lone minus in brackets", "(-)", "-1");
        row("all names", "ln x+log x+sqr x+abs x+asn x+acs x+atn x+arcsin x+arccos x+arctan x",
            "x l x L + x w + x a + x S + x C + x T + x S + x C + x T +");
        row("unclosed bracket", "(x", "fout");
        row("empty", "", "fout");
        row("operator without operand", "x+", "fout");
        row("tab is not a blank", "x\t", "fout");
        row("generated tangent with pi", "tan  0.5pi t", "0.5 pi * t * t", 't');
        row("power before a function keeps the zero below the stack", "x^sin2", "x ^ 2 s");
        row("operator below the bottom of the stack", "^sin(x)sinx", "fout");
    }
    void postfix()
    {
        QFETCH(QString, formula);
        QFETCH(QChar, variable);
        QTEST(read(formula, variable), "postfix");
    }

    // Limits of the token list and the stack, the variable count, and the
    // error text.
    void limitsAndError()
    {
        const QChar x = QLatin1Char('x');
        QCOMPARE(readFormula("sin(3)+pi", x).variableCount, 0);
        QVERIFY(readFormula("2x", x).variableCount > 0);         // after an implicit product
        QVERIFY(!readFormula(repeated("x", 75, "+"), x).failed); // 149 tokens
        QVERIFY(!readFormula("sin x+" + repeated("x", 74, "+"), x).failed); // 150
        QVERIFY(readFormula(repeated("x", 76, "+"), x).failed);             // 151
        QVERIFY(!readFormula(QString(50, '(') + "x" + QString(50, ')'), x).failed);
        QVERIFY(readFormula(QString(51, '(') + "x" + QString(51, ')'), x).failed);
        const QString error = readFormula("y", x).error;
        QVERIFY(error.contains(QStringLiteral("Heb je wel de juiste variabele gebruikt ?")));
        QCOMPARE(formulaErrorTitle(), QStringLiteral("Functies raden"));
        QVERIFY(readFormula("x", x).error.isEmpty());
    }

    void values_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<double>("x");
        QTest::addColumn<float>("value");
        QTest::newRow("1/x next to its asymptote") << "1/x" << 0.001 << undefined;
        QTest::newRow("1/x a little further") << "1/x" << 0.002 << 500.0f;
        QTest::newRow("small numerator near the asymptote") << ".05/x" << 0.001 << 50.0f;
        QTest::newRow("division not last: no asymptote guard") << "1/x+1" << 0.001 << 1001.0f;
        QTest::newRow("division not last still guards zero") << "1/x+1" << 0.0 << undefined;
        QTest::newRow("sqr below 0") << "sqr(x)" << -0.01 << undefined;
        QTest::newRow("sqr of 0") << "sqr(x)" << 0.0 << 0.0f;
        QTest::newRow("ln at the limit") << "ln(x)" << 0.000001 << undefined;
        QTest::newRow("log at the limit") << "log(x)" << 0.000001 << undefined;
        QTest::newRow("negative base, half power") << "(-8)^0.5" << 0.0 << undefined;
        QTest::newRow("negative base, power 0") << "(-2)^0" << 0.0 << undefined;
        QTest::newRow("negative base, whole power") << "(-2)^3" << 0.0 << -8.0f;
        QTest::newRow("0 to a negative power") << "0^(-1)" << 0.0 << undefined;
        QTest::newRow("0 to the power 0") << "0^0" << 0.0 << 1.0f;
        QTest::newRow("arcsin 1") << "arcsin(1)" << 0.0 << float(pi / 2);
        QTest::newRow("arcsin beyond 1") << "arcsin(x)" << 1.01 << undefined;
        QTest::newRow("arccos -1") << "arccos(-1)" << 0.0 << float(pi);
        QTest::newRow("arccos beyond -1") << "arccos(x)" << -1.5 << undefined;
        QTest::newRow("arctan") << "arctan(x)" << 1.0 << float(pi / 4);
        QTest::newRow("each step in single precision") << "16777216+1-16777216" << 0.0 << 0.0f;
        QTest::newRow("variable kept in single precision") << "x" << 0.1 << 0.1f;
        QTest::newRow("too large for single precision") << "10^39" << 0.0 << undefined;
        QTest::newRow("typed number too large")
            << "1000000000000000000000000000000000000000" << 0.0 << undefined;
    }
    void values()
    {
        QFETCH(QString, formula);
        QFETCH(double, x);
        QFETCH(float, value);
        const Reading r = readFormula(formula, QLatin1Char('x'));
        QVERIFY(!r.failed);
        const float got = valueAt(r.program, x);
        QVERIFY2(got == value, qPrintable(QString::number(got, 'g', 9))); // exact, not fuzzy
    }

    // The zero below the stack is overwritten by x^...; a second evaluation
    // must not see the first one's leftovers. Nothing read is undefined.
    void everyEvaluationStartsAfresh()
    {
        const Reading r = readFormula(QStringLiteral("x^sin2"), QLatin1Char('x'));
        QCOMPARE(valueAt(r.program, 0.0), float(std::sin(2.0)));
        QCOMPARE(valueAt(r.program, 0.0), float(std::sin(2.0)));
        QCOMPARE(valueAt(CompiledFormula{}, 1.0), undefined);
    }

    // Whatever a pupil types, the reader and the evaluator neither crash nor
    // hang, and a formula that is read gives a single-precision number
    // everywhere.
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
            const Reading r = readFormula(text, variable);
            if (r.failed) {
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
                const float y = valueAt(r.program, x);
                QVERIFY2(std::isfinite(y), qPrintable(text));
                QVERIFY2(y == stepByStep(r.postfix, variable, x), qPrintable(text));
                QVERIFY(!std::isnan(rowOf(y, 0.5)));
            }
        }
        qInfo("%d of 100000 inputs read", accepted);
        QVERIFY(accepted > 5000); // the inputs reach the evaluator, not only the error
    }
};

TK_TEST(ReaderTest)
#include "reader_test.moc"
