#include "common/random.h"
#include "exercises/angles/spel.h"
#include "testmain.h"

using namespace angles;

class SpelTest : public QObject {
    Q_OBJECT
private slots:
    void readingAGuess_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("gok"); // 0: ignored
        QTest::newRow("negative fraction rounds down") << "-0.5" << -1;
        QTest::newRow("text after the number") << " 30 graden" << 30;
        QTest::newRow("zero ignored") << "0" << 0;
        QTest::newRow("below one ignored") << "0.7" << 0;
        QTest::newRow("no number ignored") << "veel" << 0;
        QTest::newRow("empty ignored") << "" << 0;
        QTest::newRow("largest 16-bit number") << "32767" << 32767;
        QTest::newRow("beyond 16 bits ignored") << "32768" << 0;
        QTest::newRow("below 16 bits ignored") << "-32769" << 0;
        QTest::newRow("beyond a double ignored") << "1e999" << 0;
    }
    void readingAGuess()
    {
        QFETCH(QString, typed);
        QFETCH(int, gok);
        const std::optional<std::int16_t> g = leesGok(typed);
        QCOMPARE(g.has_value(), gok != 0);
        if (g)
            QCOMPARE(int(*g), gok);
    }

    void newAngleDrawsAgainUntilItFits()
    {
        common::ScriptedRandom rnd;
        const int draws[][2] = {{2, 50}, {300, 70}, {350, 10}}; // start too small, end 370, fits
        for (const auto& d : draws) {
            rnd.addDraw(d[0], 360);
            rnd.addDraw(d[1] - 10, 160);
        }
        const Hoek h = nieuweHoek(rnd);
        QCOMPARE(h.startHoek, 350);
        QCOMPARE(h.hoek, 10);
        QCOMPARE(rnd.used(), std::size_t(6));
    }

    // Every angle that can be drawn sweeps in ceil(size / 10) adjoining steps,
    // the last one reaching the end.
    void everyAngleSweepsInWholeSteps()
    {
        for (int start = 3; start <= 350; ++start)
            for (int size = 10; size <= 169 && start + size <= 360; ++size) {
                Spel spel;
                spel.begin({start, size});
                int steps = 0, reached = start;
                while (const auto stap = spel.veegStap()) {
                    ++steps;
                    if (stap->van != reached || stap->tot - stap->van > stapGraden ||
                        stap->laatste != (stap->tot == start + size))
                        QFAIL(qPrintable(QString("angle %1 + %2").arg(start).arg(size)));
                    reached = stap->tot;
                }
                if (steps != (size + 9) / 10 || reached != start + size)
                    QFAIL(qPrintable(
                        QString("angle %1 + %2: %3 steps").arg(start).arg(size).arg(steps)));
            }
    }
};

TK_TEST(SpelTest)
#include "spel_test.moc"
