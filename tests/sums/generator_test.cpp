#include "common/random.h"
#include "exercises/catalogue.h"
#include "exercises/sums/generator.h"
#include "problems.h"
#include "scriptedrandom.h"
#include "testmain.h"

#include <cmath>

using common::SeededRandom;
using tktest::ScriptedRandom;
using namespace sums;

namespace {

bool within(double x, int lo, int hi)
{
    return x == std::floor(x) && std::fabs(x) >= lo && std::fabs(x) <= hi;
}

} // namespace

class GeneratorTest : public QObject {
    Q_OBJECT
private slots:
    // S sum, P product, K decimal sum, D three terms; ? the second number is
    // hidden. Each level's pattern repeats over the twenty problems.
    void scheduleAlternates()
    {
        const QString pattern[] = {"S S?", "S? K", "P S P? S?", "P? D S? D"};
        for (int level = 1; level <= 4; ++level) {
            QStringList got;
            for (int n = 1; n <= 20; ++n) {
                const Mode m = schedule(level, n);
                const char* k = m.kind == 2 ? "P" : m.threeTerms ? "D" : m.tenths ? "K" : "S";
                got << k + QString(m.secondHidden ? "?" : "");
            }
            const QString& p = pattern[level - 1];
            QCOMPARE(got.join(' '), QStringList(20 / (p.count(' ') + 1), p).join(' '));
        }
    }

    // Every problem of every turn at every level, over many seeds.
    void invariantsOverManySeeds()
    {
        for (int level = 1; level <= 4; ++level) {
            const int lo = level % 2 ? 5 : 10, hi = level % 2 ? 24 : 49;
            for (std::uint64_t seed = 1; seed <= 150; ++seed) {
                SeededRandom rng(seed);
                for (int n = 1; n <= catalogue::problemsPerRun(*catalogue::find(u"sommen"), level);
                     ++n) {
                    const Problem p = generate(level, n, rng);
                    const double a = p.number1, b = p.number2;
                    QCOMPARE(p.mode, schedule(level, n));
                    if (p.mode.threeTerms) {
                        for (double f : {a, b, p.number3})
                            QVERIFY(within(f, 2, 9));
                        continue;
                    }
                    QVERIFY2(a < 0 || b < 0, "two positive numbers");
                    if (p.mode.kind == 2) {
                        QVERIFY(within(a, 2, level == 4 ? 21 : 11));
                        QVERIFY(within(b, 2, level == 4 ? 21 : 11));
                    } else {
                        QVERIFY2(p.result() != 0, "result 0");
                        QVERIFY(within(a, lo, hi) && within(b, lo, hi));
                    }
                    QCOMPARE(p.shownNumber2, p.mode.tenths ? b / 10 : b);
                }
            }
        }
    }

    // The retries: both numbers positive, then a result of 0. The order of the
    // draws: both sizes, both signs, the operator.
    void sumDrawOrderAndRetry()
    {
        ScriptedRandom rng;
        rng.addDraws({0, 20, 1, 20, 1, 3, 1, 3, 1, 2});   // 5 + 6
        rng.addDraws({7, 20, 7, 20, 0, 3, 1, 3, 1, 2});   // -12 + 12
        rng.addDraws({12, 20, 19, 20, 2, 3, 0, 3, 0, 2}); // -17 - -24
        const Problem p = generateSum(1, schedule(1, 1), rng);
        QCOMPARE(rng.used(), std::size_t(15));
        QCOMPARE(p.row.labels, (std::array<QString, 5>{" -17", " - ", " -24", " = ", ""}));
        QCOMPARE(p.result(), 7.0);
    }

    // Numbers 6, -3, 2 drawn after a discarded two-term sum; times goes first.
    void threeTermPrecedence_data()
    {
        QTest::addColumn<int>("op1"); // operator draw: 1 plus, 0 minus, 2 times
        QTest::addColumn<int>("op2");
        QTest::addColumn<double>("value");
        QTest::newRow("times twice") << 2 << 2 << -36.0;
        QTest::newRow("times then plus") << 2 << 1 << -16.0;
        QTest::newRow("plus then times") << 1 << 2 << 0.0;
        QTest::newRow("minus then times") << 0 << 2 << 12.0;
        QTest::newRow("plus and minus in order") << 1 << 0 << 1.0;
    }
    void threeTermPrecedence()
    {
        QFETCH(int, op1);
        QFETCH(int, op2);
        ScriptedRandom rng;
        rng.addDraws({0, 40, 0, 40, 0, 3, 0, 3, 1, 2});
        rng.addDraws({4, 8, 1, 3, 1, 8, 0, 3, op1, 3, 0, 8, 1, 3, op2, 3});
        const Problem p = generateSum(4, schedule(4, 4), rng);
        QCOMPARE(rng.used(), std::size_t(13));
        QCOMPARE((QList<double>{p.number1, p.number2, p.number3}), (QList<double>{6, -3, 2}));
        QTEST(p.result(), "value");
    }
};

TK_TEST(GeneratorTest)
#include "generator_test.moc"
