#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/sums/generator.h"
#include "problems.h"
#include "testmain.h"

#include <cmath>

using common::ScriptedRandom;
using common::SeededRandom;
using namespace sums;

namespace {

// Short name of how a problem is asked: S sum, P product, K decimal sum,
// D three terms; a trailing ? means the second number is hidden.
QString kind(const Mode& m)
{
    QString k = m.soort == 2 ? "P" : m.drieterms ? "D" : m.kommagetal ? "K" : "S";
    if (m.ontbrekend)
        k += '?';
    return k;
}

bool whole(double x)
{
    return x == std::floor(x);
}

// Scripts draws Int(Rnd x n) that give k, written {k, n}.
void script(ScriptedRandom& rng, std::initializer_list<std::pair<int, int>> draws)
{
    for (auto [k, n] : draws)
        rng.addDraw(k, n);
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void scheduleAlternates_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("kinds");
        QTest::newRow("level 1: result, then second number") << 1
                                                             << "S S? S S? S S? S S? S S? "
                                                                "S S? S S? S S? S S? S S?";
        QTest::newRow("level 2: second number, then tenths")
            << 2 << "S? K S? K S? K S? K S? K S? K S? K S? K S? K S? K";
        QTest::newRow("level 3: product, sum, hidden factor, hidden term")
            << 3 << "P S P? S? P S P? S? P S P? S? P S P? S? P S P? S?";
        QTest::newRow("level 4: hidden factor, three terms, hidden term, three terms")
            << 4 << "P? D S? D P? D S? D P? D S? D P? D S? D P? D S? D";
    }
    void scheduleAlternates()
    {
        QFETCH(int, niveau);
        QFETCH(QString, kinds);
        QStringList got;
        for (int n = 1; n <= kAantalOpgaven; ++n)
            got << kind(schema(niveau, n));
        QCOMPARE(got.join(' '), kinds);
    }

    // Every problem of every turn at every level, over many seeds.
    void invariantsOverManySeeds()
    {
        for (int niveau = 1; niveau <= 4; ++niveau) {
            const int lo = niveau == 1 || niveau == 3 ? 5 : 10;
            const int hi = niveau == 1 || niveau == 3 ? 24 : 49;
            const int factorMax = niveau == 4 ? 21 : 11;
            for (std::uint64_t seed = 1; seed <= 150; ++seed) {
                SeededRandom rng(seed);
                for (int n = 1; n <= kAantalOpgaven; ++n) {
                    const Problem p = maakopgave(niveau, n, rng);
                    QCOMPARE(p.mode, schema(niveau, n));
                    const double a = p.getal1, b = p.getal2;
                    QVERIFY(whole(a) && whole(b));
                    if (p.mode.soort == 2) {
                        QVERIFY2(a < 0 || b < 0, "two positive factors");
                        for (double f : {a, b})
                            QVERIFY(std::fabs(f) >= 2 && std::fabs(f) <= factorMax);
                        QCOMPARE(p.bewerkingtekst1, QString(" x "));
                    } else if (p.mode.drieterms) {
                        for (double f : {a, b, p.getal3})
                            QVERIFY(std::fabs(f) >= 2 && std::fabs(f) <= 9);
                    } else {
                        QVERIFY2(a < 0 || b < 0, "two positive terms");
                        QVERIFY2(p.result() != 0, "result 0");
                        QVERIFY(std::fabs(a) >= lo && std::fabs(a) <= hi);
                        QVERIFY(std::fabs(b) >= lo && std::fabs(b) <= hi);
                        QCOMPARE(p.bewerkingtekst1, p.teken == 1 ? QString(" + ") : QString(" - "));
                    }
                    const double scale = p.mode.kommagetal ? 10 : 1;
                    QCOMPARE(p.toongetal1, a / scale);
                    QCOMPARE(p.toongetal2, b / scale);
                }
            }
        }
    }

    // Both kinds of each level appear with both signs over a run of seeds,
    // and a three-term problem can have all numbers positive.
    void drawsCoverBothSigns()
    {
        SeededRandom rng(7);
        int negatives = 0, positives = 0, allPositive = 0;
        for (int i = 0; i < 3000; ++i) {
            const Problem p = geefsom(4, schema(4, 2), rng);
            (p.getal1 < 0 ? negatives : positives)++;
            allPositive += p.getal1 > 0 && p.getal2 > 0 && p.getal3 > 0;
        }
        // Negative with probability 2/3.
        QVERIFY(negatives > 1800 && negatives < 2200);
        QVERIFY(allPositive > 0);
    }

    void sumDrawOrderAndRetry()
    {
        ScriptedRandom rng;
        // First try: 5 + 6, both positive: drawn again.
        script(rng, {{0, 20}, {1, 20}, {1, 3}, {1, 3}, {1, 2}});
        // Second try: 12 and 12, first negated, second kept, plus: -12 + 12 = 0: again.
        script(rng, {{7, 20}, {7, 20}, {0, 3}, {1, 3}, {1, 2}});
        // Third try: 17 and 24, both negated (draws 2 and 0), minus.
        script(rng, {{12, 20}, {19, 20}, {2, 3}, {0, 3}, {0, 2}});
        const Problem p = geefsom(1, schema(1, 1), rng);
        QCOMPARE(rng.used(), std::size_t(15));
        QCOMPARE(p.getal1, -17.0);
        QCOMPARE(p.getal2, -24.0);
        QCOMPARE(p.teken, -1);
        QCOMPARE(p.result(), 7.0);
        QCOMPARE(p.row.labels[0], QString(" -17"));
        QCOMPARE(p.row.labels[1], QString(" - "));
        QCOMPARE(p.row.labels[2], QString(" -24"));
        QCOMPARE(p.row.labels[3], QString(" = "));
    }

    void largeLevelsDrawFrom10To49()
    {
        ScriptedRandom rng;
        script(rng, {{0, 40}, {39, 40}, {0, 3}, {1, 3}, {0, 2}});
        const Problem p = geefsom(2, schema(2, 2), rng);
        QCOMPARE(p.getal1, -10.0);
        QCOMPARE(p.getal2, 49.0);
        // Tenths: -1 - 4.9; a whole tenth shows without a point.
        QCOMPARE(p.row.labels[0], QString(" -1"));
        QCOMPARE(p.row.labels[2], QString("  4.9"));
        QCOMPARE(p.result(), -59.0);
    }

    // The discarded two-term sum comes first; then value and sign of the
    // first and second number, the first operator, the third number, the
    // second operator.
    void threeTermDrawOrder()
    {
        ScriptedRandom rng;
        script(rng, {{0, 40}, {0, 40}, {0, 3}, {0, 3}, {1, 2}});
        script(rng, {{2, 8}, {0, 3}, {1, 8}, {1, 3}, {1, 3}, {0, 8}, {2, 3}, {2, 3}});
        const Problem p = geefsom(4, schema(4, 2), rng);
        QCOMPARE(rng.used(), std::size_t(13));
        QCOMPARE(p.getal1, -4.0);
        QCOMPARE(p.getal2, 3.0);
        QCOMPARE(p.bewerking1, 1);
        QCOMPARE(p.getal3, -2.0);
        QCOMPARE(p.bewerking2, 2);
        QCOMPARE(p.uitkomst, -10.0); // times first
        QCOMPARE(p.row.labels[0], QString(" -4"));
        QCOMPARE(p.row.labels[1], QString(" + "));
        QCOMPARE(p.row.labels[2], QString("     3   x   -2"));
    }

    void threeTermPrecedence_data()
    {
        QTest::addColumn<int>("op1");
        QTest::addColumn<int>("op2");
        QTest::addColumn<double>("value");
        // Numbers 6, -3, 2 (first operator draw: 1 plus, 0 minus, 2 times).
        QTest::newRow("times twice") << 2 << 2 << -36.0;
        QTest::newRow("times then plus") << 2 << 1 << -16.0;
        QTest::newRow("times then minus") << 2 << 0 << -20.0;
        QTest::newRow("plus then times") << 1 << 2 << 0.0;
        QTest::newRow("minus then times") << 0 << 2 << 12.0;
        QTest::newRow("plus and minus in order") << 1 << 0 << 1.0;
        QTest::newRow("minus and plus in order") << 0 << 1 << 11.0;
    }
    void threeTermPrecedence()
    {
        QFETCH(int, op1);
        QFETCH(int, op2);
        QFETCH(double, value);
        ScriptedRandom rng;
        script(rng, {{0, 40}, {0, 40}, {0, 3}, {0, 3}, {1, 2}});
        script(rng, {{4, 8}, {1, 3}, {1, 8}, {0, 3}, {op1, 3}, {0, 8}, {1, 3}, {op2, 3}});
        const Problem p = geefsom(4, schema(4, 4), rng);
        QCOMPARE(p.uitkomst, value);
        QCOMPARE(p.result(), value);
    }

    void productRetriesTwoPositives()
    {
        ScriptedRandom rng;
        script(rng, {{3, 10}, {4, 10}, {1, 3}, {1, 3}});
        script(rng, {{9, 10}, {0, 10}, {1, 3}, {2, 3}});
        const Problem p = geefproduct(3, schema(3, 1), rng);
        QCOMPARE(p.getal1, 11.0);
        QCOMPARE(p.getal2, -2.0);
        QCOMPARE(p.result(), -22.0);
        QCOMPARE(rng.used(), std::size_t(8));
    }

    // Label captions (joined by "|"), then label 2 width, label 3 left,
    // label 4 left and width, answer box left and width, in twips.
    void rowLayout_data()
    {
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("captions");
        QTest::addColumn<QList<int>>("geometry");
        QTest::newRow("result asked: box over label 4")
            << sumstest::sum(-5, 1, 12) << " -5| + |  12| = |"
            << QList<int>{645, 1560, 1950, 1695, 1950, 645};
        QTest::newRow("three terms: label 2 widens")
            << sumstest::threeTerms(-4, 1, 3, 2, -2, -10) << " -4| + |     3   x   -2| = |"
            << QList<int>{1645, 2560, 2950, 695, 2950, 695};
        QTest::newRow("hidden term: box over label 2, result in label 4")
            << sumstest::hidden(-14, 1, -6) << " -14| + || = |-20"
            << QList<int>{645, 1560, 1950, 1695, 915, 645};
        QTest::newRow("hidden factor") << sumstest::product(-7, 3, true) << " -7| x || = |-21"
                                       << QList<int>{645, 1560, 1950, 1695, 915, 645};
    }
    void rowLayout()
    {
        QFETCH(Problem, problem);
        QFETCH(QString, captions);
        QFETCH(QList<int>, geometry);
        const RowLayout& r = problem.row;
        QCOMPARE(QStringList(r.labels.begin(), r.labels.end()).join('|'), captions);
        QCOMPARE(r.label2Visible, !problem.mode.ontbrekend);
        QCOMPARE((QList<int>{r.label2Width, r.label3Left, r.label4Left, r.label4Width, r.answerLeft,
                             r.answerWidth}),
                 geometry);
    }
};

TK_TEST(GeneratorTest)
#include "generator_test.moc"
