// The rules of a run without a window: winner, summary, end result, results
// block, turn order and the levels of the mixed level.
#include "run/round.h"
#include "run/rules.h"
#include "testmain.h"

using run::Player;

namespace {
Player player(const QString& name, int score, int answered, double seconds)
{
    return Player{name, score, answered, seconds, QString()};
}

// A session of results number 2 whose level 4 mixes the others, as metric's.
run::Session session(int players, int level = 1, int resultsNumber = 2, int mixedLevel = 4)
{
    return {"metriek", level, players, {"An", "Bo"}, "Keuze", resultsNumber, mixedLevel};
}

// Plays the run through: a tick, the answer of whoever's turn it is, and so
// on until the end. Gives "1:2" per problem (player and level), "E" at the end.
QString play(run::Round& r)
{
    QStringList steps;
    for (int i = 0; i < 100; ++i) {
        const run::Round::Step step = r.next();
        if (step == run::Round::Step::End)
            return (steps << "E").join(' ');
        const int nr = step == run::Round::Step::Player1 ? 1 : 2;
        steps << QString("%1:%2").arg(nr).arg(r.level());
        r.recordAnswer(nr, 0, 1);
        r.endTurn(nr);
    }
    return "no end";
}
} // namespace

class RunRulesTest : public QObject {
    Q_OBJECT
private slots:
    void winner_data()
    {
        QTest::addColumn<int>("right1");
        QTest::addColumn<double>("seconds1");
        QTest::addColumn<int>("right2");
        QTest::addColumn<double>("seconds2");
        QTest::addColumn<int>("winner");
        QTest::addColumn<int>("onPoints");
        QTest::newRow("more right") << 5 << 90.0 << 4 << 10.0 << 1 << 1;
        QTest::newRow("equal, faster") << 5 << 10.0 << 5 << 10.5 << 1 << 0;
        QTest::newRow("equal, slower") << 5 << 10.5 << 5 << 10.0 << 2 << 0;
        QTest::newRow("equal, same time") << 5 << 10.0 << 5 << 10.0 << 2 << 0;
        QTest::newRow("both none") << 0 << 1.0 << 0 << 9.0 << 0 << 0;
        QTest::newRow("one right") << 0 << 1.0 << 1 << 9.0 << 2 << 2;
    }
    void winner()
    {
        QFETCH(int, right1);
        QFETCH(double, seconds1);
        QFETCH(int, right2);
        QFETCH(double, seconds2);
        const Player one = player("An", right1, 10, seconds1);
        const Player two = player("Bo", right2, 10, seconds2);
        QTEST(run::winner(one, two), "winner");
        QTEST(run::winnerOnPoints(one, two), "onPoints");
    }

    void summary_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<double>("seconds1");
        QTest::addColumn<QString>("text");
        const QString line(45, '_');
        QTest::newRow("one player")
            << 1 << 12.347 << "An:\rJe had er  3 goed van de  4 in  12.35 sec.\r" + line;
        QTest::newRow("a half rounds down to even")
            << 1 << 12.125 << "An:\rJe had er  3 goed van de  4 in  12.12 sec.\r" + line;
        QTest::newRow("a half a hair off in binary rounds up to even")
            << 1 << 2.135 << "An:\rJe had er  3 goed van de  4 in  2.14 sec.\r" + line;
        QTest::newRow("two players") << 2 << 7.0
                                     << "An:\rJe had er  3 goed van de  4 in  7 sec.\r" + line +
                                            "\r\rBo:\rJe had er  3 goed van de  4 in  8 sec.\r" +
                                            line + "\r\r An heeft gewonnen !";
    }
    void summary()
    {
        QFETCH(int, players);
        QFETCH(double, seconds1);
        const run::Players p{player("An", 3, 4, seconds1), player("Bo", 3, 4, 8)};
        QTEST(run::summary(p, players == 2), "text");
    }
    void summaryWithoutWinner()
    {
        const run::Players p{player("An", 0, 4, 1), player("Bo", 0, 4, 2)};
        QVERIFY(run::summary(p, true).endsWith(QString(45, '_') + "\r\r"));
    }

    // Two players' turns, also on the mixed level, are played in the
    // catalogue's test; one player here.
    void schedule_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("problems");
        QTest::addColumn<QString>("steps");
        QTest::newRow("one level") << 2 << 3 << "1:2 1:2 1:2 E";
        QTest::newRow("mixed") << 4 << 4 << "1:1 1:2 1:3 1:1 E";
    }
    void schedule()
    {
        QFETCH(int, level);
        QFETCH(int, problems);
        run::Round r(session(1, level), problems, [](int nr) { return nr % 3 + 1; });
        QTEST(play(r), "steps");
    }

    // The file names of exercises that keep results are in the catalogue's
    // test; the angles keep none.
    void noResultsNumberNoFile() { QCOMPARE(session(1, 1, 0).resultsFile(), QString()); }
};

TK_TEST(RunRulesTest)
#include "rules_test.moc"
