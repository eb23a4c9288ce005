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
    void summaryAndEndResult()
    {
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

TK_TEST(RunTextsTest)
#include "runtexts_test.moc"
