#include "common/random.h"
#include "exercises/angles/spel.h"
#include "scriptedrandom.h"
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

    void scoringAGuess_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("hoek");
        QTest::addColumn<int>("punten");
        QTest::newRow("exact gives 10") << "60" << 60 << 10;
        QTest::newRow("9 over gives 1") << "69" << 60 << 1;
        QTest::newRow("9 under gives 1") << "51" << 60 << 1;
        QTest::newRow("10 off gives 0") << "70" << 60 << 0;
        QTest::newRow("45.9 counts 45, not rounded up") << "45.9" << 45 << 10;
    }
    void scoringAGuess()
    {
        QFETCH(QString, typed);
        QFETCH(int, hoek);
        Spel spel;
        spel.begin({30, hoek});
        QCOMPARE(spel.gok(typed), NaGok::Vegen);
        QTEST(spel.punten1, "punten");
        QCOMPARE(spel.gok("60"), NaGok::Genegeerd); // no guess while sweeping
    }

    // Two players guess the same each turn until one has 100 after a turn.
    void twoPlayerEnd_data()
    {
        QTest::addColumn<int>("gok1");
        QTest::addColumn<int>("gok2");
        QTest::addColumn<int>("beurten");
        QTest::addColumn<QString>("eind");
        QTest::newRow("2 wins") << 52 << 61 << 12
                                << "Bram heeft gewonnen in  12 beurten (met  108 punten)\r"
                                   "Anna had  24 punten";
        QTest::newRow("draw") << 59 << 61 << 12 << "Gelijk gespeeld ! (met  108 punten)";
    }
    void twoPlayerEnd()
    {
        QFETCH(int, gok1);
        QFETCH(int, gok2);
        Spel spel(2);
        spel.begin({30, 60});
        while (spel.beurten < 20) {
            QCOMPARE(spel.gok(QString::number(gok1)), NaGok::Speler2);
            QCOMPARE(spel.gok(QString::number(gok1)), NaGok::Genegeerd); // player 1's guess again
            QCOMPARE(spel.gok(QString::number(gok2)), NaGok::Vegen);
            if (spel.afgelopen())
                break;
            spel.volgende({30, 60});
        }
        QTEST(spel.beurten, "beurten");
        QFETCH(QString, eind);
        QCOMPARE(eindTekst(spel, "Anna", "Bram"), eind + "\r" + QString(45, '_'));
    }

    void newAngleDrawsAgainUntilItFits()
    {
        tktest::ScriptedRandom rnd;
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
