// The rules of a run without a window: winner, summary, end result, results
// block, turn order and the levels of the mixed level.
#include "run/ronde.h"
#include "run/rules.h"
#include "testmain.h"

using run::Player;

namespace {
Player speler(const QString& naam, int score, int count, double time)
{
    return Player{naam, score, count, time, QString()};
}

// A session of results number 2 whose level 4 mixes the others, as metric's.
run::Session sessie(int spelers, int niveau = 1, int resultsNumber = 2, int mixedLevel = 4)
{
    return {"metriek", niveau, spelers, {"An", "Bo"}, "Keuze", resultsNumber, mixedLevel};
}

// Plays the run through: a tick, the answer of whoever's turn it is, and so
// on until the end. Gives "1:2" per problem (player and level), "E" at the end.
QString speel(run::Ronde& r)
{
    QStringList stappen;
    for (int i = 0; i < 100; ++i) {
        const run::Ronde::Stap stap = r.volgende();
        if (stap == run::Ronde::Stap::Einde)
            return (stappen << "E").join(' ');
        const int nr = stap == run::Ronde::Stap::Speler1 ? 1 : 2;
        stappen << QString("%1:%2").arg(nr).arg(r.niveau());
        r.beantwoord(nr, 0, 1);
        r.beurtVoorbij(nr);
    }
    return "no end";
}
} // namespace

class RunRulesTest : public QObject {
    Q_OBJECT
private slots:
    void winner_data()
    {
        QTest::addColumn<int>("goed1");
        QTest::addColumn<double>("tijd1");
        QTest::addColumn<int>("goed2");
        QTest::addColumn<double>("tijd2");
        QTest::addColumn<int>("winnaar");
        QTest::addColumn<int>("opPunten");
        QTest::newRow("more right") << 5 << 90.0 << 4 << 10.0 << 1 << 1;
        QTest::newRow("fewer right") << 4 << 10.0 << 5 << 90.0 << 2 << 2;
        QTest::newRow("equal, faster") << 5 << 10.0 << 5 << 10.5 << 1 << 0;
        QTest::newRow("equal, slower") << 5 << 10.5 << 5 << 10.0 << 2 << 0;
        QTest::newRow("equal, same time") << 5 << 10.0 << 5 << 10.0 << 2 << 0;
        QTest::newRow("both none") << 0 << 1.0 << 0 << 9.0 << 0 << 0;
        QTest::newRow("one right") << 0 << 1.0 << 1 << 9.0 << 2 << 2;
    }
    void winner()
    {
        QFETCH(int, goed1);
        QFETCH(double, tijd1);
        QFETCH(int, goed2);
        QFETCH(double, tijd2);
        const Player een = speler("An", goed1, 10, tijd1);
        const Player twee = speler("Bo", goed2, 10, tijd2);
        QTEST(run::winnaar(een, twee), "winnaar");
        QTEST(run::winnaarOpPunten(een, twee), "opPunten");
    }

    void summary_data()
    {
        QTest::addColumn<int>("spelers");
        QTest::addColumn<double>("tijd1");
        QTest::addColumn<QString>("tekst");
        const QString line(45, '_');
        QTest::newRow("one player")
            << 1 << 12.347 << "An:\rJe had er  3 goed van de  4 in  12.35 sec.\r" + line;
        QTest::newRow("halves round to even")
            << 1 << 12.125 << "An:\rJe had er  3 goed van de  4 in  12.12 sec.\r" + line;
        QTest::newRow("two players") << 2 << 7.0
                                     << "An:\rJe had er  3 goed van de  4 in  7 sec.\r" + line +
                                            "\r\rBo:\rJe had er  3 goed van de  4 in  8 sec.\r" +
                                            line + "\r\r An heeft gewonnen !";
    }
    void summary()
    {
        QFETCH(int, spelers);
        QFETCH(double, tijd1);
        const run::Players p{speler("An", 3, 4, tijd1), speler("Bo", 3, 4, 8)};
        QTEST(run::samenvatting(p, spelers == 2), "tekst");
    }
    void summaryWithoutWinner()
    {
        const run::Players p{speler("An", 0, 4, 1), speler("Bo", 0, 4, 2)};
        QVERIFY(run::samenvatting(p, true).endsWith(QString(45, '_') + "\r\r"));
    }

    void endResult()
    {
        QCOMPARE(run::eindresultaat(speler("An", 7, 10, 0)),
                 QString("\r\n\r\neindresultaat:  7 goed van de  10"));
        QCOMPARE(run::eindresultaat(speler("An", 0, 0, 0)),
                 QString("\r\n\r\neindresultaat:  0 goed van de  0"));
    }

    void schedule_data()
    {
        QTest::addColumn<int>("spelers");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<QString>("stappen");
        QTest::newRow("one player") << 1 << 2 << 3 << "1:2 1:2 1:2 E";
        QTest::newRow("two players") << 2 << 1 << 2 << "1:1 2:1 1:1 2:1 E";
        // Player 2's level follows the number player 1's problem has given.
        QTest::newRow("mixed, one") << 1 << 4 << 4 << "1:1 1:2 1:3 1:1 E";
        QTest::newRow("mixed, two") << 2 << 4 << 3 << "1:1 2:2 1:2 2:3 1:3 2:1 E";
    }
    void schedule()
    {
        QFETCH(int, spelers);
        QFETCH(int, niveau);
        QFETCH(int, aantal);
        run::Ronde r(sessie(spelers, niveau), aantal, [](int nr) { return nr % 3 + 1; });
        QTEST(speel(r), "stappen");
        QCOMPARE(r.speler(1).count, aantal);
        QCOMPARE(r.speler(2).count, spelers == 2 ? aantal : 0);
    }

    void countsTimesAndResultsText()
    {
        run::Ronde r(sessie(2), 10, {});
        QVERIFY(r.speler(1).verslag.endsWith(")\r\n"));
        r.volgende();
        r.beantwoord(1, 10, 12.5);
        r.telGoed(1, {true, {}, {}, {}});
        r.schrijf(1, "regel");
        r.beurtVoorbij(1);
        QCOMPARE(r.volgende(), run::Ronde::Stap::Speler2);
        r.beantwoord(2, 20, 21);
        r.telGoed(2, {false, {}, {}, {}});
        r.sluit();
        QCOMPARE(r.speler(1).score, 1);
        QCOMPARE(r.speler(1).time, 2.5);
        QCOMPARE(r.speler(2).score, 0);
        QCOMPARE(r.speler(2).count, 1);
        QVERIFY(r.speler(1).verslag.endsWith("\r\nregel\r\n\r\neindresultaat:  1 goed van de  1"));
        QVERIFY(r.speler(2).verslag.endsWith(")\r\n\r\n\r\neindresultaat:  0 goed van de  1"));
    }

    void resultsFileOfASession_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("niveau");
        QTest::addColumn<QString>("bestand");
        QTest::newRow("percentages: no level") << 1 << 3 << "oefset1.txt";
        QTest::newRow("a level") << 2 << 4 << "oefset2_4.txt";
        QTest::newRow("none") << 0 << 1 << "";
    }
    void resultsFileOfASession()
    {
        QFETCH(int, number);
        QFETCH(int, niveau);
        QTEST(sessie(1, niveau, number).resultatenBestand(), "bestand");
    }
};

TK_TEST(RunRulesTest)
#include "rules_test.moc"
