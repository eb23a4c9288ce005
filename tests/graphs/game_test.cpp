// The graph run's rules without the form: points per attempt, which typed
// formulas count, the results lines they add, and the summary and results
// texts where the runs through the form do not reach.
#include "exercises/graphs/game.h"
#include "exercises/graphs/runtexts.h"
#include "testmain.h"

using namespace graphs;

namespace {

// Steps: g right, f wrong, n "Dezelfde nog eens". Formulas are t1, t2, ...
void playSteps(Game& game, const QString& steps)
{
    int typed = 0;
    for (QChar step : steps) {
        if (step == 'n')
            game.again();
        else if (game.input(QStringLiteral("t%1").arg(++typed), QStringLiteral("y =")))
            game.checked(step == 'g');
    }
}

} // namespace

class GameTest : public QObject {
    Q_OBJECT
private slots:
    // Steps as playSteps reads them; the first and fourth try, a repeat, an
    // unreadable formula and the answer shown are played through the form.
    void attempts_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("log");
        const QString start = QStringLiteral("\r\nfunctie: y =D\r\ninvoer:t1");
        QTest::newRow("second try") << "fng" << 5 << start + "\r\n       t2    5 pt.";
        QTest::newRow("third try") << "fnfng" << 3 << start + "\r\n       t2\r\n       t3    3 pt.";
        QTest::newRow("fifth try")
            << "fnfnfnfng" << 0
            << start + "\r\n       t2\r\n       t3\r\n       t4\r\n       t5    0 pt.";
    }
    void attempts()
    {
        QFETCH(QString, steps);
        QFETCH(QString, log);
        run::Session session;
        session.names = {QStringLiteral("Anna"), QString()};
        Game game(session);
        game.play(Problem{1, QStringLiteral("D")});
        playSteps(game, steps);
        QTEST(game.players[0].score, "points");
        QCOMPARE(game.players[0].answered, 1);
        QVERIFY2(game.players[0].log.endsWith(log), qPrintable(game.players[0].log));
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
