// The summary and results texts where the runs through the form do not reach:
// a tie, a winner in second place, a rounded percentage and no functions.
#include "exercises/graphs/runtexts.h"
#include "testmain.h"

using namespace graphs;

class RunTextsTest : public QObject {
    Q_OBJECT
private slots:
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
        QVERIFY(text.startsWith("Anna:\rJe hebt  3 functies gehad.\r"));
        QVERIFY(text.endsWith(QString(45, '_') + "\r\r" + last));
    }

    void endResults()
    {
        QCOMPARE(samenvatting({"Anna", 0, 0}, nullptr),
                 "Anna:\rJe hebt  0 functies gehad.\rJe hebt  0 punten gehaald.\r\r" +
                     QString(45, '_'));
        QCOMPARE(eindresultaat({"Anna", 27, 4}),
                 QString("\r\n\r\neindresultaat:  27 punten uit  4\r\nDat is  67 procent"));
        QCOMPARE(eindresultaat({"Anna", 0, 0}), QString("\r\n\r\neindresultaat:  0 punten uit  0"));
    }
};

TK_TEST(RunTextsTest)
#include "runtexts_test.moc"
