#include "exercises/graphs/formula.h"
#include "testmain.h"

#include <cmath>

using namespace graphs;

namespace {

// The postfix list, or "fout" when the formula is rejected.
QString read(const QString& formula, QChar variable = QLatin1Char('x'))
{
    const Reading r = prefix_suffix(formula, variable);
    return r.foutief ? QStringLiteral("fout") : postfixText(r.postfix);
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
        row("letter before pi", "xpi", "x pi *");
        row("leading minus", "-x", "-1 x *");
        row("minus before a power", "-x^2", "-1 x 2 ^ *");
        row("minus after a power sign", "2^-x", "2 -1 ^ x *");
        row("space before a leading minus", " -x", "fout");
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
        QFETCH(QString, postfix);
        QCOMPARE(read(formula, variable), postfix);
    }

    void variableCount()
    {
        QCOMPARE(prefix_suffix("sin(3)+pi", QLatin1Char('x')).varteller, 0);
        QVERIFY(prefix_suffix("2x", QLatin1Char('x')).varteller > 0); // after an implicit product
    }

    void tokenLimit()
    {
        const QString x = QStringLiteral("x");
        QVERIFY(!prefix_suffix(repeated(x, 75, "+"), x[0]).foutief);            // 149 tokens
        QVERIFY(!prefix_suffix("sin x+" + repeated(x, 74, "+"), x[0]).foutief); // 150
        QVERIFY(prefix_suffix(repeated(x, 76, "+"), x[0]).foutief);             // 151
    }

    void stackLimit()
    {
        const QChar x = QLatin1Char('x');
        QVERIFY(!prefix_suffix(QString(50, '(') + "x" + QString(50, ')'), x).foutief);
        QVERIFY(prefix_suffix(QString(51, '(') + "x" + QString(51, ')'), x).foutief);
    }

    void errorMessage()
    {
        const Reading r = prefix_suffix(QStringLiteral("y"), QLatin1Char('x'));
        QVERIFY(r.foutief);
        QVERIFY(r.postfix.empty());
        QVERIFY(r.error.contains(QStringLiteral("Heb je wel de juiste variabele gebruikt ?")));
        QCOMPARE(formulaErrorTitle(), QStringLiteral("Functies raden"));
        QVERIFY(prefix_suffix(QStringLiteral("x"), QLatin1Char('x')).error.isEmpty());
    }
};

TK_TEST(ReaderTest)
#include "reader_test.moc"
