#include "common/random.h"
#include "exercises/angles/game.h"
#include "scriptedrandom.h"
#include "testmain.h"

using namespace angles;

class GameTest : public QObject {
    Q_OBJECT
private slots:
    void readingAGuess_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("guess"); // 0: ignored
        QTest::newRow("negative fraction rounds down") << "-0.5" << -1;
        QTest::newRow("text after the number") << " 30 graden" << 30;
        QTest::newRow("below one ignored") << "0.7" << 0;
        QTest::newRow("largest 16-bit number") << "32767" << 32767;
        QTest::newRow("beyond 16 bits ignored") << "32768" << 0;
        QTest::newRow("below 16 bits ignored") << "-32769" << 0;
        QTest::newRow("beyond a double ignored") << "1e999" << 0;
    }
    void readingAGuess()
    {
        QFETCH(QString, typed);
        QFETCH(int, guess);
        const std::optional<std::int16_t> g = readGuess(typed);
        QCOMPARE(g.has_value(), guess != 0);
        if (g)
            QCOMPARE(int(*g), guess);
    }

    // Exact and 9 over: the form's tests.
    void scoringAGuess_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("points");
        QTest::newRow("9 under gives 1") << "51" << 60 << 1;
        QTest::newRow("10 off gives 0") << "70" << 60 << 0;
        QTest::newRow("45.9 counts 45, not rounded up") << "45.9" << 45 << 10;
    }
    void scoringAGuess()
    {
        QFETCH(QString, typed);
        QFETCH(int, size);
        Game game;
        game.begin({30, size});
        QCOMPARE(game.guess(typed), AfterGuess::Sweep);
        QTEST(game.points1, "points");
        QCOMPARE(game.guess("60"), AfterGuess::Ignored); // no guess while sweeping
    }

    // Two players guess the same each turn until one has 100 after a turn.
    void twoPlayerEnd_data()
    {
        QTest::addColumn<int>("guess1");
        QTest::addColumn<int>("guess2");
        QTest::addColumn<int>("turns");
        QTest::addColumn<QString>("end");
        QTest::newRow("2 wins") << 52 << 61 << 12
                                << "Bram heeft gewonnen in  12 beurten (met  108 punten)\r"
                                   "Anna had  24 punten";
        QTest::newRow("draw") << 59 << 61 << 12 << "Gelijk gespeeld ! (met  108 punten)";
    }
    void twoPlayerEnd()
    {
        QFETCH(int, guess1);
        QFETCH(int, guess2);
        Game game(2);
        game.begin({30, 60});
        while (game.turns < 20) {
            QCOMPARE(game.guess(QString::number(guess1)), AfterGuess::Player2);
            QCOMPARE(game.guess(QString::number(guess1)),
                     AfterGuess::Ignored); // player 1's guess again
            QCOMPARE(game.guess(QString::number(guess2)), AfterGuess::Sweep);
            if (game.finished())
                break;
            game.next({30, 60});
        }
        QTEST(game.turns, "turns");
        QFETCH(QString, end);
        QCOMPARE(endText(game, "Anna", "Bram"), end + "\r" + QString(45, '_'));
    }

    void newAngleDrawsAgainUntilItFits()
    {
        tktest::ScriptedRandom rnd;
        const int draws[][2] = {{2, 50}, {300, 70}, {350, 10}}; // start too small, end 370, fits
        for (const auto& d : draws) {
            rnd.addDraw(d[0], 360);
            rnd.addDraw(d[1] - 10, 160);
        }
        const Angle h = generate(rnd);
        QCOMPARE(h.start, 350);
        QCOMPARE(h.size, 10);
        QCOMPARE(rnd.used(), std::size_t(6));
    }
};

TK_TEST(GameTest)
#include "game_test.moc"
