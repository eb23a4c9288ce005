#include "exercises/graphs/formula.h"
#include "exercises/graphs/generator.h"
#include "scriptedrandom.h"
#include "testmain.h"

#include <QRegularExpression>
#include <QSet>

using namespace graphs;
using common::SeededRandom;
using tktest::ScriptedRandom;

namespace {

// The value r that makes Int(r * f + add) give k.
double shiftedPick(int k, double f, double add)
{
    return (k + 0.5 - add) / f;
}

constexpr int seeds = 1500;

void row(const char* name, int kind, std::vector<double> draws, const char* formula,
         const char* formulaStart, double xScale, double yScale)
{
    QTest::newRow(name) << kind << draws << QString(formula) << QString(formulaStart) << xScale
                        << yScale;
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void exactFormulas_data()
    {
        const auto p = &ScriptedRandom::pick;
        const auto s = &shiftedPick;
        QTest::addColumn<int>("kind");
        QTest::addColumn<std::vector<double>>("draws");
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("formulaStart");
        QTest::addColumn<double>("xScale");
        QTest::addColumn<double>("yScale");
        row("line: slope 7 drawn again, minus sign", 1,
            {p(0, 4), p(2, 3), s(7, 10, .8), s(3, 10, .8), p(1, 2), s(4, 9, .8), p(1, 2)},
            "-3x +  4", "y = ", 1.0, 1.0);
        row("line with drawn letters and scales, slope 8 is a quarter", 2,
            {p(3, 4), p(2, 3), s(8, 10, .8), p(0, 2), s(0, 9, .8), p(0, 2)}, " .25q", "p = ", 2.0,
            5.0);
        row("parabola, factored; a top too high drawn again", 3,
            {p(0, 4), p(0, 3), p(0, 18), p(17, 18), p(4, 10), p(0, 4), p(10, 18), p(7, 18),
             p(4, 10), p(1, 4)},
            " 2(x+ 1)(x -  2)", "y = ", 1.0, 1.0);
        row("parabola, vertex form", 3, {p(2, 4), p(2, 3), p(10, 18), p(12, 18), p(6, 10), p(0, 4)},
            "(a+ 2)^2 +  1", "b = ", 1.0, 1.0);
        row("parabola, a drawn 4 is -1; e drawn 5 is 0", 3,
            {p(0, 4), p(0, 3), p(9, 18), p(9, 18), p(9, 10), p(3, 4)}, "-(x -  0)(x -  0)",
            "y = ", 1.0, 1.0);
        row("sine, three changes drawn again for level 1", 4,
            {p(2, 4), p(1, 3), s(2, 6, 1), s(1, 10, -3), s(1, 5, 1), p(1, 8), s(2, 6, 1),
             s(0, 10, -3), s(1, 5, 1), p(2, 8), p(0, 2), p(5, 10)},
            " 2sin(x -  2)", "y = ", 1.0, 1.0);
        row("tangent with a fresh b", 4,
            {p(0, 4), p(0, 3), s(3, 6, 1), s(0, 10, -3), s(5, 5, 1), p(0, 8), p(1, 2), p(2, 10),
             s(4, 5, 1)},
            "tan  .5x", "y = ", 1.0, 1.0);
        row("cosine drops d", 4,
            {p(0, 4), p(0, 3), s(1, 6, 1), s(3, 10, -3), s(2, 5, 1), p(5, 8), p(1, 2), p(1, 10)},
            "cos 2x", "y = ", 1.0, 1.0);
        row("level 2 sine on half scale", 5,
            {p(1, 4), p(1, 3), s(3, 3, 1), s(-1, 7, -3), s(1, 5, 1), p(3, 8), p(1, 2), p(3, 10)},
            "-1+ 3sin(t +  3)", "z = ", 1.0, 0.5);
        row("square root: four changes drawn again; c below 0 flips the sign", 6,
            {p(0, 4), p(0, 3), s(2, 8, -4), s(-3, 10, -5), p(0, 2), p(7, 10), s(2, 8, -4),
             s(-3, 10, -5), p(1, 2), p(3, 10), p(1, 2)},
            "-3+ 2sqr(x -  2)", "y = ", 1.0, 1.0);
        row("hyperbola", 7,
            {p(0, 4), p(0, 3), s(2, 6, -2), s(-3, 10, -5), s(4, 10, -5), p(1, 2), p(0, 2)},
            " 2/ (x + -3)  -  4", "y = ", 1.0, 1.0);
        row("power of two: both shifts 0 drawn again", 8,
            {p(3, 4), p(0, 3), s(0, 10, -5), s(0, 10, -5), s(1, 10, -5), s(0, 10, -5), p(1, 2),
             p(1, 2)},
            "2 ^ (q +  1)  +  0", "p = ", 1.0, 1.0);
    }

    void exactFormulas()
    {
        QFETCH(int, kind);
        QFETCH(std::vector<double>, draws);
        ScriptedRandom random(draws);
        UsedKinds used{};
        const Problem f = generate(kind, false, used, random);
        QTEST(f.formula, "formula");
        QTEST(f.formulaStart(), "formulaStart");
        QTEST(f.xScale, "xScale");
        QTEST(f.yScale, "yScale");
        QCOMPARE(random.used(), draws.size()); // no draw more, none less
    }

    // Over many seeds every formula reads, with its kind's letters: never a
    // zero in front of a root or a hyperbola, never 2^x unshifted.
    void everyFormulaReadsInItsShape()
    {
        const QRegularExpression unshifted(R"(  0\)  [+-]  0$)");
        for (int kind = 1; kind <= 8; ++kind) {
            SeededRandom random(kind);
            UsedKinds used{};
            for (int i = 0; i < seeds; ++i) {
                const Problem f = generate(kind, false, used, random);
                QVERIFY2(!f.formula.startsWith(" 0"), qPrintable(f.formula));
                QVERIFY2(kind != 8 || !f.formula.contains(unshifted), qPrintable(f.formula));
                const Reading r = readFormula(f.formula, f.variable);
                QVERIFY2(!r.failed && r.variableCount > 0, qPrintable(f.formula));
                QVERIFY(QStringList({"xy", "tz", "ab", "qp"})
                            .contains(QString(f.variable) + f.functionLetter));
            }
        }
    }

    void mixedLevelUsesEachKindOnce()
    {
        const QSet<int> fiveKinds{3, 4, 6, 7, 8};
        for (int seed = 1; seed <= 300; ++seed) {
            SeededRandom random(seed);
            UsedKinds used1{}, used2{};
            const int first = firstMixedKind(used1, random);
            QVERIFY(fiveKinds.contains(first));
            // The kinds of n more functions drawn from a record.
            const auto round = [&](UsedKinds& used, int n, QSet<int> kinds) {
                while (n-- > 0)
                    kinds << generate(first, true, used, random).kind;
                return kinds;
            };
            QCOMPARE(round(used1, 4, {first}), fiveKinds);
            QCOMPARE(round(used1, 5, {}), fiveKinds);
            QCOMPARE(round(used2, 5, {}), fiveKinds); // player 2's own record
        }
    }
};

TK_TEST(GeneratorTest)
#include "generator_test.moc"
