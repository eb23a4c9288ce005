// The summary and results texts where the runs through the form do not reach:
// a tie, a winner in second place, a rounded percentage and no functions.
#include "exercises/graphs/runtexts.h"
#include "testmain.h"

using namespace graphs;

namespace {
Player speler(const QString& naam, int punten, int gehad)
{
    Player p;
    p.naam = naam;
    p.score = punten;
    p.count = gehad;
    return p;
}
} // namespace

class RunTextsTest : public QObject {
    Q_OBJECT
private slots:
    void summaryTwoPlayers_data()
    {
        QTest::addColumn<int>("punten1");
        QTest::addColumn<int>("punten2");
        QTest::addColumn<QString>("last");
        QTest::newRow("second wins") << 7 << 15 << "Bram heeft gewonnen !";
        QTest::newRow("a tie") << 15 << 15 << "Jullie zijn gelijk geeindigd !";
    }
    void summaryTwoPlayers()
    {
        QFETCH(int, punten1);
        QFETCH(int, punten2);
        QFETCH(QString, last);
        const Player bram = speler("Bram", punten2, 3);
        const QString text = samenvatting(speler("Anna", punten1, 3), &bram);
        QVERIFY(text.startsWith("Anna:\rJe hebt  3 functies gehad.\r"));
        QVERIFY(text.endsWith(QString(45, '_') + "\r\r" + last));
    }

    void endResults()
    {
        QCOMPARE(samenvatting(speler("Anna", 0, 0), nullptr),
                 "Anna:\rJe hebt  0 functies gehad.\rJe hebt  0 punten gehaald.\r\r" +
                     QString(45, '_'));
        QCOMPARE(eindresultaat(speler("Anna", 27, 4)),
                 QString("\r\n\r\neindresultaat:  27 punten uit  4\r\nDat is  67 procent"));
        QCOMPARE(eindresultaat(speler("Anna", 0, 0)),
                 QString("\r\n\r\neindresultaat:  0 punten uit  0"));
    }
};

TK_TEST(RunTextsTest)
#include "runtexts_test.moc"
