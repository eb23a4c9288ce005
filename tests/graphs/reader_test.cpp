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

} // namespace

class ReaderTest : public QObject {
    Q_OBJECT
private slots:
    void postfix_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("postfix");
        QTest::newRow("number before letter multiplies") << "3x"
                                                         << "x"
                                                         << "3 x *";
        QTest::newRow("number before bracket multiplies") << "2(x-4)"
                                                          << "x"
                                                          << "2 x 4 - *";
        QTest::newRow("bracket after bracket multiplies") << "(x+1)(x-1)"
                                                          << "x"
                                                          << "x 1 + x 1 - *";
        QTest::newRow("number before pi") << "2pi"
                                          << "x"
                                          << "2 pi *";
        QTest::newRow("letter before pi") << "xpi"
                                          << "x"
                                          << "x pi *";
        QTest::newRow("leading minus") << "-x"
                                       << "x"
                                       << "-1 x *";
        QTest::newRow("minus before a power") << "-x^2"
                                              << "x"
                                              << "-1 x 2 ^ *";
        QTest::newRow("minus before a bracket") << "-(x+1)"
                                                << "x"
                                                << "-1 x 1 + *";
        QTest::newRow("minus after a power sign") << "2^-x"
                                                  << "x"
                                                  << "2 -1 ^ x *";
        QTest::newRow("space before a leading minus") << " -x"
                                                      << "x"
                                                      << "fout";
        QTest::newRow("capital variable") << "X"
                                          << "x"
                                          << "x";
        QTest::newRow("first letter of a name lowered") << "Sin(x)"
                                                        << "x"
                                                        << "x s";
        QTest::newRow("only first letter lowered") << "SIN(x)"
                                                   << "x"
                                                   << "fout";
        QTest::newRow("capital pi") << "Pi"
                                    << "x"
                                    << "pi";
        QTest::newRow("pi all capitals") << "PI"
                                         << "x"
                                         << "fout";
        QTest::newRow("e is the constant") << "exp(x)"
                                           << "x"
                                           << "fout";
        QTest::newRow("e times x") << "ex"
                                   << "x"
                                   << "e x *";
        QTest::newRow("star binds tighter than slash") << "1/2x"
                                                       << "x"
                                                       << "1 2 x * /";
        QTest::newRow("a/b*c") << "2/3*4"
                               << "x"
                               << "2 3 4 * /";
        QTest::newRow("power left-associative") << "2^3^2"
                                                << "x"
                                                << "2 3 ^ 2 ^";
        QTest::newRow("product after a function goes inside") << "sin(x)*2"
                                                              << "x"
                                                              << "x 2 * s";
        QTest::newRow("power after a function goes inside") << "sin(x)^2"
                                                            << "x"
                                                            << "x 2 ^ s";
        QTest::newRow("quotient after a function goes inside") << "sin(x)/2"
                                                               << "x"
                                                               << "x 2 / s";
        QTest::newRow("product before a function") << "2*sin(x)"
                                                   << "x"
                                                   << "2 x s *";
        QTest::newRow("implicit product before a function") << "2sin(x)"
                                                            << "x"
                                                            << "2 x s *";
        QTest::newRow("minus before a function") << "-cos(x)"
                                                 << "x"
                                                 << "-1 x c *";
        QTest::newRow("sum after a function") << "sin(x)+1"
                                              << "x"
                                              << "x s 1 +";
        QTest::newRow("function after a bracket") << "(x+1)sin(x)"
                                                  << "x"
                                                  << "fout";
        QTest::newRow("variable starts tan") << "tan(t)"
                                             << "t"
                                             << "t t";
        QTest::newRow("variable p spoils pi") << "pi"
                                              << "p"
                                              << "fout";
        QTest::newRow("wrong variable letter") << "2x"
                                               << "t"
                                               << "fout";
        QTest::newRow("q with pi") << "pi q"
                                   << "q"
                                   << "pi q *";
        QTest::newRow("letter before number") << "x2"
                                              << "x"
                                              << "x 2 *";
        QTest::newRow("blank between numbers") << "2 3"
                                               << "x"
                                               << "2 3 *";
        QTest::newRow("number with two points") << "1.2.3"
                                                << "x"
                                                << "1.2.3";
        QTest::newRow("function without brackets") << "sin x"
                                                   << "x"
                                                   << "x s";
        QTest::newRow("minus after minus") << "--x"
                                           << "x"
                                           << "-1 x -";
        QTest::newRow("lone minus in brackets") << "(-)"
                                                << "x"
                                                << "-1";
        QTest::newRow("all names")
            << "ln x+log x+sqr x+abs x+asn x+acs x+atn x+arcsin x+arccos x+arctan x"
            << "x"
            << "x l x L + x w + x a + x S + x C + x T + x S + x C + x T +";
        QTest::newRow("Ln lowered, LN not") << "LN(x)"
                                            << "x"
                                            << "fout";
        QTest::newRow("closing without opening") << "x)"
                                                 << "x"
                                                 << "fout";
        QTest::newRow("unclosed bracket") << "(x"
                                          << "x"
                                          << "fout";
        QTest::newRow("empty") << ""
                               << "x"
                               << "fout";
        QTest::newRow("blanks only") << "   "
                                     << "x"
                                     << "fout";
        QTest::newRow("operator without operand") << "x+"
                                                  << "x"
                                                  << "fout";
        QTest::newRow("name cut short") << "ar"
                                        << "x"
                                        << "fout";
        QTest::newRow("tab is not a blank") << "x\t"
                                            << "x"
                                            << "fout";
        QTest::newRow("generated sine") << " 1+ 2sin(x -  1)"
                                        << "x"
                                        << "1 2 x 1 - s * +";
        QTest::newRow("generated hyperbola") << " 2/ (x + -3)  -  4"
                                             << "x"
                                             << "2 x -1 3 * + / 4 -";
        QTest::newRow("generated tangent with pi") << "tan  0.5pi t"
                                                   << "t"
                                                   << "0.5 pi * t * t";
        QTest::newRow("power before a function keeps the zero below the stack") << "x^sin2"
                                                                                << "x"
                                                                                << "x ^ 2 s";
        QTest::newRow("operator below the bottom of the stack") << "^sin(x)sinx"
                                                                << "x"
                                                                << "fout";
        QTest::newRow("help example sine") << "2 sin (x-1) + 6"
                                           << "x"
                                           << "2 x 1 - s * 6 +";
    }
    void postfix()
    {
        QFETCH(QString, formula);
        QFETCH(QString, variable);
        QFETCH(QString, postfix);
        QCOMPARE(read(formula, variable[0]), postfix);
    }

    void tokenKinds()
    {
        const Reading r = prefix_suffix(QStringLiteral("tan(t)"), QLatin1Char('t'));
        QVERIFY(!r.foutief);
        QCOMPARE(r.postfix.size(), std::size_t(2));
        QCOMPARE(r.postfix[0].kind, int(Operand));
        QCOMPARE(r.postfix[1].kind, int(Function));
        const Reading sum = prefix_suffix(QStringLiteral("x+1"), QLatin1Char('x'));
        QCOMPARE(sum.postfix[2].kind, int(Operator));
    }

    void variableCount_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<bool>("hasVariable");
        QTest::newRow("constant") << "3" << false;
        QTest::newRow("function of a constant") << "sin(3)+pi" << false;
        QTest::newRow("variable") << "x" << true;
        QTest::newRow("variable after implicit product") << "2x" << true;
    }
    void variableCount()
    {
        QFETCH(QString, formula);
        QFETCH(bool, hasVariable);
        QCOMPARE(prefix_suffix(formula, QLatin1Char('x')).varteller != 0, hasVariable);
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
        QCOMPARE(r.error, QStringLiteral("Deze funktie is verkeerd ingetypt!\r"
                                         "Heb je wel de juiste variabele gebruikt ?\r"
                                         "Kijk goed welke letter er (rechts) bij de horizontale "
                                         "as staat!"));
        QCOMPARE(formulaErrorTitle(), QStringLiteral("Functies raden"));
        QVERIFY(prefix_suffix(QStringLiteral("x"), QLatin1Char('x')).error.isEmpty());
    }
};

TK_TEST(ReaderTest)
#include "reader_test.moc"
