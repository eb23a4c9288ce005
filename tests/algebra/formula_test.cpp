// The formula reader, its evaluator over the sample points and the census of a
// typed answer. Random typed text goes through all three in the fuzzer
// (fuzz/fuzz_algebra_formula.cpp).
#include "exercises/algebra/census.h"
#include "exercises/algebra/formula.h"
#include "testmain.h"

#include <limits>

using namespace algebra;

namespace {

void valueRow(const char* name, const QString& text, float x, double w, char letter = 'x')
{
    QTest::newRow(name) << text << QChar(QLatin1Char(letter)) << x << w;
}

void matchRow(const char* name, const char* problem, const char* answer, bool isEqual)
{
    QTest::newRow(name) << QString(problem) << QString(answer) << isEqual;
}

void censusRow(const char* name, const char* input, const char* normalised, QList<double> numbers,
               QList<int> counts)
{
    QTest::newRow(name) << QString(input) << QString(normalised) << numbers << counts;
}

} // namespace

class FormulaTest : public QObject {
    Q_OBJECT
private slots:
    // Every text is read; w is the value at x, or `rejected` (NaN) when the text is rejected.
    void values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("letter");
        QTest::addColumn<float>("x");
        QTest::addColumn<double>("w");
        const double rejected = std::numeric_limits<double>::quiet_NaN();
        valueRow("typed square and blanks", "6 x\u00B2 + 15 x", 2, 54);
        valueRow("letter times letter", "15x+6x*x", 2, 54);
        valueRow("unary minus binds after the power", "-x^2", 3, -9);
        valueRow("bracketed minus squared", "(-x)^2", 3, 9);
        valueRow("minus after unary minus subtracts", "--x", 3, -4);
        valueRow("e is an operand", "2e", 0, 2 * 2.718281828459045);
        valueRow("other letter", "2a+1", 4, 9, 'a');
        valueRow("division has no value", "2x/2", 3, undefined);
        valueRow("negative base, zero power", "(-x)^0", 4, undefined);
        valueRow("huge power overflows", "x^99999", 10, undefined);
        valueRow("huge power of a small base", "x^99999", 0.5, 0);
        valueRow("overflowed power to the zeroth", "(x^99999)^0", 10, undefined);
        valueRow("zero to a negative power", "x^-1", 0, undefined);
        valueRow("number beyond double", QString(400, QLatin1Char('9')), 1, undefined);
        valueRow("function name sin", "sin(x)", 1, rejected);
        valueRow("tan with letter t", "tan(t)", 1, rejected, 't');
        valueRow("blank before leading minus", " -4x", 1, rejected);
        valueRow("two operators", "x+*x", 1, rejected);
        valueRow("empty brackets between operands", "x()x", 1, rejected);
    }
    void values()
    {
        QFETCH(QString, text);
        QFETCH(QChar, letter);
        QFETCH(float, x);
        QFETCH(double, w);
        const Formula f = readFormula(text, letter);
        QCOMPARE(f.failed, std::isnan(w));
        QCOMPARE(valueAt(f, x), std::isnan(w) ? undefined : w);
        // The sweep over all sample points gives what each point gives alone.
        const Values all = algebra::values(f);
        for (int i : {0, 57, 99, 199})
            QCOMPARE(all[i], f.failed ? algebra::values(Formula{})[i]
                                      : rounded(valueAt(f, samplePoints()[i])));
    }

    void limits()
    {
        auto read = [](QString t) { return readFormula(t, QLatin1Char('x')); };
        const QString terms = QStringLiteral("x") + QStringLiteral("+x").repeated(74);
        QCOMPARE(valueAt(read(terms), 2.0f), 150.0); // 149 tokens fit
        QVERIFY(read(terms + QStringLiteral("+x")).failed);
        auto brackets = [](int n) { return QString(n, '(') + "x" + QString(n, ')'); };
        QVERIFY(!read(brackets(50)).failed);
        QVERIFY(read(brackets(51)).failed);
        QVERIFY(!read(QString(100000, QLatin1Char(' ')) + "x").failed);
    }

    void rounding_data()
    {
        QTest::addColumn<double>("y");
        QTest::addColumn<int>("rounded");
        QTest::newRow("floor of hundredfold") << 1.234 << 123;
        QTest::newRow("negative goes down") << -1.234 << -124;
        QTest::newRow("60000 and above") << 60000.5 << 6000000;
        QTest::newRow("undefined") << undefined << 3000000;
        QTest::newRow("noise below a hundredth") << 0.39999999999999997 << 40;
        QTest::newRow("below the 32-bit range") << -1e9 << std::numeric_limits<int>::min();
    }
    void rounding()
    {
        QFETCH(double, y);
        QTEST(algebra::rounded(y), "rounded");
    }

    void equality_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("isEqual");
        matchRow("factored, trailing letter", "6x^2+15x", "3(2x+5)x", true);
        matchRow("different function", "6x^2+15x", "6x^2+15", false);
        matchRow("reading error never equal, not even to a division", "2x/2", "x+", false);
        matchRow("problem may start with blank and minus", " -2x( 3x +  5)", "-6x^2-10x", true);
        matchRow("rounding noise at a turning point on a hundredth", " -5p( 5p² +  4p +  1)",
                 "-25p³ -  20p² -  5p", true);
        matchRow("undefined only equals undefined", "(-x)^.5", "(-x)^.5", true);
    }
    void equality()
    {
        QFETCH(QString, problem);
        QFETCH(QString, answer);
        const QChar l = QLatin1Char(problem.contains('p') ? 'p' : 'x');
        QTEST(matches(readFormula(answer, l), problemValues(problem, l)), "isEqual");
    }

    // The census after reading: normalised text, numbers, squares, cubes,
    // single letters and brackets.
    void census_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("normalised");
        QTest::addColumn<QList<double>>("numbers");
        QTest::addColumn<QList<int>>("counts");
        censusRow("census of -4x^2+5x-9", "-4x^2+5x-9", "-4x²+5x-9", {4, 5, 9}, {1, 0, 1, 0});
        censusRow("cube", "x^3-2x", "x³-2x", {2}, {0, 1, 1, 0});
        censusRow("letter case matters", "3X^2", "3X²", {3}, {1, 0, -1, 0});
        censusRow("x*x alone is too short", "x*x", "x*x", {}, {0, 0, 2, 0});
        censusRow("2x*x is a square", "2x*x", "2x*x", {2}, {1, 0, 0, 0});
        censusRow("overlapping products", "x*x*x+1", "x*x*x+1", {1}, {2, 0, -1, 0});
        censusRow("brackets counted", "(x+9)(x-1)", "(x+9)(x-1)", {9, 1}, {0, 0, 2, 2});
        censusRow("decimal gives two numbers", "2.5x", "2.5x", {2, 5}, {0, 0, 1, 0});
    }
    void census()
    {
        QFETCH(QString, input);
        readFormula(input, QLatin1Char('x'));
        const Census t = takeCensus(input, QLatin1Char('x'));
        QTEST(input, "normalised");
        QTEST(QList<double>(t.numbers.begin(), t.numbers.begin() + t.count), "numbers");
        QTEST((QList<int>{t.squares, t.cubes, t.linear, t.openBrackets}), "counts");
    }

    // Numbers searched in the census, each found number used up once;
    // "x" marks expectCoefficient, which skips the unwritten -1, 0 and 1.
    void search_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("searchZero");
        QTest::addColumn<QString>("wanted");
        QTest::addColumn<bool>("right");
        QTest::newRow("searched by size, each once") << "2x+2+30" << false << "-2 2" << true;
        QTest::newRow("30 is one number") << "2x+2+30" << false << "3" << false;
        QTest::newRow("a number counts once") << "2x+1" << false << "2 2" << false;
        QTest::newRow("brackets form does not search 0") << "x+1" << false << "0" << true;
        QTest::newRow("factoring form searches 0") << "x+1" << true << "0" << false;
        QTest::newRow("unwritten coefficients skipped") << "x" << true << "x-1 x0 x1" << true;
        QTest::newRow("written coefficient searched") << "x" << true << "x2" << false;
        QTest::newRow("ten numbers fit") << "1+2+3+4+5+6+7+8+9+10x" << true << "10" << true;
        QTest::newRow("eleven do not") << "1+2+3+4+5+6+7+8+9+10+11x" << true << "1" << false;
    }
    void search()
    {
        QFETCH(QString, input);
        QFETCH(bool, searchZero);
        QFETCH(QString, wanted);
        Checker k(takeCensus(input, QLatin1Char('x')),
                  searchZero ? SearchZero::Yes : SearchZero::No);
        for (const QString& g : wanted.split(' '))
            g.startsWith('x') ? k.expectCoefficient(g.mid(1).toInt()) : k.expectNumber(g.toInt());
        QTEST(k.right(), "right");
    }
};

TK_TEST(FormulaTest)
#include "formula_test.moc"
