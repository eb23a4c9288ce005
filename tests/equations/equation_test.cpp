#include "examples.h"
#include "exercises/catalogue.h"
#include "exercises/equations/equation.h"
#include "testmain.h"

#include <cmath>

using namespace equations;
using namespace eqtest;

namespace {

constexpr int seedCount = 300;

// Checks every equation a run can make at a level, over many seeds, and that
// no equation takes more than a few thousand draws nor the average more than
// a few hundred. Stops at the first failure.
template <typename F> void forEveryEquation(int level, F check)
{
    long most = 0, total = 0;
    const int problemCount = catalogue::problemsPerRun(*catalogue::find(u"vergelijkingen"), level);
    for (int seed = 1; seed <= seedCount; ++seed) {
        tktest::ScriptedRandom rnd({}, seed); // counts the draws
        for (int nr = 1; nr <= problemCount; ++nr) {
            const long before = long(rnd.used());
            check(generate(level, nr, rnd), nr);
            if (QTest::currentTestFailed())
                return;
            most = std::max(most, long(rnd.used()) - before);
        }
        total += long(rnd.used());
    }
    QVERIFY2(most < 3000, qPrintable(QString("level %1: %2 draws").arg(level).arg(most)));
    QVERIFY(total < 300L * seedCount * problemCount); // a few hundred on average
}

const auto isWhole = [](float x) { return x == float(int(x)); };
const auto isHalf = [](float x) { return !isWhole(x) && isWhole(2 * x); };

} // namespace

class EquationTest : public QObject {
    Q_OBJECT
private slots:
    void fractionDisplay()
    {
        const auto v = make(fractionLevel2);
        QStringList lines;
        for (const FractionLine& r : fractionLines(v))
            lines << r.text;
        QCOMPARE(lines, (QStringList{"       40", " _______", "                     =  4",
                                     " ( 2x  +  4)"}));
    }

    // Levels 1 to 4: a fraction every fourth problem from the second, the
    // brackets on every odd one at level 4, and a neat solution: whole at
    // levels 1 and 3, at most two decimals at 2 and 4, never 0 in brackets.
    void linearLevels_data()
    {
        QTest::addColumn<int>("level");
        for (int level = 1; level <= 4; ++level)
            QTest::addRow("level %d", level) << level;
    }
    void linearLevels()
    {
        QFETCH(int, level);
        forEveryEquation(level, [level](const Equation& v, int nr) {
            QCOMPARE(v.isFraction(), level <= 2 && nr % 4 == 2);
            QCOMPARE(v.isBracketForm(), level == 4 && nr % 2 == 1);
            const double hundredfold = 100.0 * double(solution(v));
            QVERIFY2(level % 2 == 0 || isWhole(solution(v)), qPrintable(v.text));
            QVERIFY2(std::fabs(hundredfold - std::round(hundredfold)) < 1e-3, qPrintable(v.text));
            QVERIFY(!v.isBracketForm() || solution(v) != 0);
            // No letter alone, before or after the terms are moved, and no
            // fraction of 0 or over 1 or -1.
            if (v.isFraction())
                QVERIFY2(v.a != 0 && std::abs(v.c) >= 2, qPrintable(v.text));
            else if (!v.isBracketForm())
                QVERIFY2(std::abs(v.a) != 1 && (level <= 2 ? v.c != 0 : std::abs(v.a - v.c) >= 2),
                         qPrintable(v.text));
        });
    }

    void quadraticLevel1()
    {
        forEveryEquation(5, [](const Equation& v, int nr) {
            const int kinds[] = {2, 1, 3}; // by problem number mod 3
            QCOMPARE(v.kind, kinds[nr % 3]);
            if (v.kind == 3) // the right side is not the left side's own terms
                QVERIFY(v.d != v.e1 * v.a + v.e2 * v.c && v.e3 * v.f != v.e1 * v.a * v.e2 * v.c);
            const Solutions s = solutions(v);
            QVERIFY(isWhole(s.s1) && isWhole(s.s2));
        });
    }

    void quadraticLevel2()
    {
        forEveryEquation(6, [](const Equation& v, int nr) {
            QVERIFY(std::abs(v.K1) < 100 && std::abs(v.K0) < 100);
            QVERIFY(v.A + v.e * v.B != 0);
            QVERIFY(!v.text.endsWith(")=")); // never an empty right side
            // Both solutions satisfy A·x² + e·B(x ± q)(x ± s) = K1·x + K0
            // (halves are exact in double).
            const Solutions s = solutions(v);
            for (const double x : {double(s.s1), double(s.s2)})
                QCOMPARE(v.A * x * x + v.e * v.B * (x + v.e4 * v.q) * (x + v.e5 * v.s),
                         v.K1 * x + v.K0);
            if (nr == 1) {
                QVERIFY(isHalf(s.s1) && isWhole(s.s2));
            } else if (nr == 5 || nr == 9) {
                QVERIFY(isHalf(s.s1) && isHalf(s.s2));
            } else {
                QVERIFY(isWhole(s.s1) && isWhole(s.s2));
                QVERIFY(s.s1 <= 0 && s.s2 <= 0 && (s.s1 != 0 || s.s2 != 0));
            }
        });
    }
};

TK_TEST(EquationTest)
#include "equation_test.moc"
