// The graph run's rules without the form: points per attempt, which typed
// formulas count, the results lines they add, the turn order, and the
// summary and results texts where the runs through the form do not reach.
#include "exercises/graphs/runtexts.h"
#include "exercises/graphs/spel.h"
#include "testmain.h"

using namespace graphs;

class SpelTest : public QObject {
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
        Spel spel(session);
        spel.speel(Functie{1, QStringLiteral("D")});
        int getypt = 0;
        for (QChar step : steps) {
            if (step == 'n')
                spel.nogEens();
            else if (step == 'a')
                spel.antwoordGetoond();
            else if (spel.invoer(QStringLiteral("t%1").arg(step == 'r' ? getypt : ++getypt),
                                 QStringLiteral("y =")))
                step == 'o' ? spel.onleesbaar() : spel.beoordeeld(step == 'g');
        }
        QTEST(spel.spelers[0].score, "points");
        QCOMPARE(spel.spelers[0].count, 1);
        QVERIFY2(spel.spelers[0].verslag.endsWith(log), qPrintable(spel.spelers[0].verslag));
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
        Spel spel(session);
        QString seen;
        do
            seen += QString::number(spel.beurt);
        while (spel.volgende());
        QTEST(seen, "order");
        QCOMPARE(spel.functieNr, spel.aantalFuncties + 1);
    }

    // A tie, a winner in second place, a rounded percentage and no functions.
    void summaryAndEndResult()
    {
        const auto speler = [](const char* naam, int punten, int gehad) {
            return Player{naam, punten, gehad, 0, {}};
        };
        const Player anna = speler("Anna", 7, 3), bram = speler("Bram", 15, 3);
        const QString streep = QString(45, '_');
        QVERIFY(samenvatting(anna, &bram).startsWith("Anna:\rJe hebt  3 functies gehad.\r"));
        QVERIFY(samenvatting(anna, &bram).endsWith(streep + "\r\rBram heeft gewonnen !"));
        QVERIFY(samenvatting(bram, &bram).endsWith(streep + "\r\rJullie zijn gelijk geeindigd !"));
        QCOMPARE(samenvatting(speler("Anna", 0, 0), nullptr),
                 "Anna:\rJe hebt  0 functies gehad.\rJe hebt  0 punten gehaald.\r\r" + streep);
        QCOMPARE(eindresultaat(speler("Anna", 27, 4)),
                 QString("\r\n\r\neindresultaat:  27 punten uit  4\r\nDat is  67 procent"));
        QCOMPARE(eindresultaat(speler("Anna", 0, 0)),
                 QString("\r\n\r\neindresultaat:  0 punten uit  0"));
    }
};

TK_TEST(SpelTest)
#include "spel_test.moc"
