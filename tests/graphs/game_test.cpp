// The graph run's rules without the form: points per attempt, which typed
// formulas count, the results lines they add, the turn order, and the
// summary and results texts where the runs through the form do not reach.
#include "exercises/graphs/game.h"
#include "exercises/graphs/runtexts.h"
#include "testmain.h"

using namespace graphs;

class GameTest : public QObject {
    Q_OBJECT
private slots:
    // Steps: g right, f wrong, o unreadable, n "Dezelfde nog eens",
    // a "Antwoord", r the last formula typed again. Formulas are t1, t2, ...
    void attempts_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("log");
        const QString start = QStringLiteral("\r\nfunctie: y =D\r\ninvoer:t1");
        QTest::newRow("right at once") << "g" << 10 << start + "    10 pt.";
        QTest::newRow("second try") << "fng" << 5 << start + "\r\n       t2    5 pt.";
        QTest::newRow("third try") << "fnfng" << 3 << start + "\r\n       t2\r\n       t3    3 pt.";
        QTest::newRow("fifth try")
            << "fnfnfnfng" << 0
            << start + "\r\n       t2\r\n       t3\r\n       t4\r\n       t5    0 pt.";
        QTest::newRow("unreadable costs a try") << "og" << 5 << start + "\r\n       t2    5 pt.";
        QTest::newRow("a repeat counts once") << "fnrg" << 5 << start + "\r\n       t2    5 pt.";
        QTest::newRow("answer shown, ignored") << "fnag" << 0 << start;
    }
    void attempts()
    {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        run::Session session;
        session.namen = {QStringLiteral("Anna"), QString()};
        Game game(session);
        game.play(Problem{1, QStringLiteral("D")});
        int typed = 0;
        for (QChar step : steps) {
            if (step == 'n')
                game.again();
            else if (step == 'a')
                game.showAnswer();
            else if (game.input(QStringLiteral("t%1").arg(step == 'r' ? typed : ++typed),
                                QStringLiteral("y =")))
                step == 'o' ? game.unreadable() : game.checked(step == 'g');
        }
        QTEST(game.players[0].score, "points");
        QCOMPARE(game.players[0].count, 1);
        QVERIFY2(game.players[0].verslag.endsWith(log), qPrintable(game.players[0].verslag));
    }

    void turns_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QString>("order"); // whose function after each step
        QTest::newRow("one player") << 1 << "1111111111";
        QTest::newRow("two players") << 2 << "12121212121212121212";
    }
    void turns()
    {
        QFETCH(int, players);
        run::Session session;
        session.aantalSpelers = players;
        Game game(session);
        QString seen;
        do
            seen += QString::number(game.turn);
        while (game.next());
        QTEST(seen, "order");
        QCOMPARE(game.problemNumber, game.problemCount + 1);
    }

    // A tie, a winner in second place, a rounded percentage and no functions.
    void summaryAndEndResult()
    {
        const auto player = [](const char* name, int points, int had) {
            return Player{name, points, had, 0, {}};
        };
        const Player anna = player("Anna", 7, 3), bram = player("Bram", 15, 3);
        const QString underline = QString(45, '_');
        QVERIFY(summary(anna, &bram).startsWith("Anna:\rJe hebt  3 functies gehad.\r"));
        QVERIFY(summary(anna, &bram).endsWith(underline + "\r\rBram heeft gewonnen !"));
        QVERIFY(summary(bram, &bram).endsWith(underline + "\r\rJullie zijn gelijk geeindigd !"));
        QCOMPARE(summary(player("Anna", 0, 0), nullptr),
                 "Anna:\rJe hebt  0 functies gehad.\rJe hebt  0 punten gehaald.\r\r" + underline);
        QCOMPARE(endResult(player("Anna", 27, 4)),
                 QString("\r\n\r\neindresultaat:  27 punten uit  4\r\nDat is  67 procent"));
        QCOMPARE(endResult(player("Anna", 0, 0)),
                 QString("\r\n\r\neindresultaat:  0 punten uit  0"));
    }
};

TK_TEST(GameTest)
#include "game_test.moc"
