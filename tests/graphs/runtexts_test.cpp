#include "exercises/graphs/runtexts.h"
#include "testmain.h"

using namespace graphs;

class RunTextsTest : public QObject {
    Q_OBJECT
private slots:
    void pointsFallWithEveryAttempt()
    {
        const QList<int> expected{10, 5, 3, 1, 0, 0};
        for (int poging = 0; poging < expected.size(); ++poging)
            QCOMPARE(puntenVoorPoging(poging), expected[poging]);
    }

    void scoreLine()
    {
        const Speler anna{"Anna", 15, 2}, bram{"Bram", 0, 1};
        QCOMPARE(scoreTekst(anna, nullptr), QString("Anna:  15 punten uit  2\r"));
        QCOMPARE(scoreTekst(anna, &bram),
                 QString("Anna:  15 punten uit  2\rBram: 0 punten uit  1"));
    }

    void summaryOnePlayer()
    {
        const QString line(45, '_');
        QCOMPARE(samenvatting({"Anna", 59, 10}, nullptr),
                 "Anna:\rJe hebt  10 functies gehad.\rJe hebt  59 punten gehaald.\r"
                 "Dat is  59 procent!\r" +
                     line);
        QCOMPARE(samenvatting({"Anna", 0, 0}, nullptr),
                 "Anna:\rJe hebt  0 functies gehad.\rJe hebt  0 punten gehaald.\r\r" + line);
    }

    void summaryTwoPlayers_data()
    {
        QTest::addColumn<int>("punten1");
        QTest::addColumn<int>("punten2");
        QTest::addColumn<QString>("last");
        QTest::newRow("first wins") << 20 << 15 << "Anna heeft gewonnen !";
        QTest::newRow("second wins") << 7 << 15 << "Bram heeft gewonnen !";
        QTest::newRow("a tie") << 15 << 15 << "Jullie zijn gelijk geeindigd !";
    }
    void summaryTwoPlayers()
    {
        QFETCH(int, punten1);
        QFETCH(int, punten2);
        QFETCH(QString, last);
        const Speler bram{"Bram", punten2, 3};
        const QString text = samenvatting({"Anna", punten1, 3}, &bram);
        QVERIFY(text.endsWith(QString(45, '_') + "\r\r" + last));
        QVERIFY(text.contains(QString(45, '_') + "\r\rBram:\r"));
        QVERIFY(text.startsWith("Anna:\rJe hebt  3 functies gehad.\r"));
    }

    void endResult()
    {
        QCOMPARE(eindresultaat({"Anna", 27, 4}),
                 QString("\r\n\r\neindresultaat:  27 punten uit  4\r\nDat is  67 procent"));
        QCOMPARE(eindresultaat({"Anna", 0, 0}), QString("\r\n\r\neindresultaat:  0 punten uit  0"));
    }
};

TK_TEST(RunTextsTest)
#include "runtexts_test.moc"
