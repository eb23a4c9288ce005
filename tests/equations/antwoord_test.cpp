#include "exercises/equations/antwoord.h"
#include "script.h"
#include "testmain.h"

using namespace equations;
using namespace eqtest;

namespace {

// -4p + 3 = 2, p = .25
Vergelijking kwart()
{
    return maak(2, 1, {letter(1), Trek(3, 10), Trek(0, 3), Trek(2, 99), Trek(102, 200), plus()});
}
// 4x - 3 = 2, x = 1.25
Vergelijking eenEnEenKwart()
{
    return maak(2, 1, {letter(0), Trek(3, 10), Trek(1, 3), Trek(2, 99), Trek(102, 200), min()});
}
// 5x + 3 = 1, x = -.4
Vergelijking minVierTiende()
{
    return maak(2, 1, {letter(0), Trek(4, 10), Trek(1, 3), Trek(2, 99), Trek(101, 200), plus()});
}
// x² - x - 6 = 0, x = 3 or x = -2
Vergelijking drieEnMinTwee()
{
    return maak(5, 1, {letter(0), Trek(2, 10), min(), Trek(1, 10), plus()});
}
// x² + 6x + 9 = 0, x = -3 twice
Vergelijking dubbel()
{
    return maak(5, 1, {letter(0), Trek(2, 10), plus(), Trek(2, 10), plus()});
}
// 3x² + (x + 2)(x - 3) = x + 6, x = -1.5 or x = 2
Vergelijking metHalf()
{
    return maak(6, 1,
                {letter(0), Trek::negen(1), Trek::negen(2), plus(), min(), Trek(2, 4), plus(),
                 Trek(0, 4), plus(), Trek(1, 9), plus(), Trek(2, 9), min()});
}

} // namespace

class AntwoordTest : public QObject {
    Q_OBJECT
private slots:
    void judging_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<QString>("eerste");
        QTest::addColumn<QString>("tweede");
        QTest::addColumn<bool>("goed");
        QTest::newRow("decimal comma") << eenEnEenKwart() << "1,25"
                                       << "" << true;
        QTest::newRow("decimal point") << eenEnEenKwart() << "1.25"
                                       << "" << true;
        QTest::newRow("negative with comma, single precision") << minVierTiende() << "-0,4"
                                                               << "" << true;
        QTest::newRow("no zero before the comma") << kwart() << ",25"
                                                  << "" << true;
        QTest::newRow("leading blanks") << kwart() << "  0.25"
                                        << "" << true;
        QTest::newRow("close is wrong") << kwart() << "0,26"
                                        << "" << false;
        QTest::newRow("text reads as zero") << kwart() << "kwart"
                                            << "" << false;
        QTest::newRow("both in order") << drieEnMinTwee() << "3"
                                       << "-2" << true;
        QTest::newRow("both reversed") << drieEnMinTwee() << "-2"
                                       << "3" << true;
        QTest::newRow("one solution twice is wrong") << drieEnMinTwee() << "3"
                                                     << "3" << false;
        QTest::newRow("empty second box counts as the first") << drieEnMinTwee() << "3"
                                                              << "" << false;
        QTest::newRow("empty second box for a double solution") << dubbel() << "-3"
                                                                << "" << true;
        QTest::newRow("half with a comma in the first box") << metHalf() << "-1,5"
                                                            << "2" << true;
        QTest::newRow("half with a comma in the second box") << metHalf() << "2"
                                                             << "-1,5" << true;
        QTest::newRow("half with a point") << metHalf() << "-1.5"
                                           << "2" << true;
        QTest::newRow("half without its sign") << metHalf() << "1,5"
                                               << "2" << false;
    }
    void judging()
    {
        QFETCH(Vergelijking, v);
        QFETCH(QString, eerste);
        QFETCH(QString, tweede);
        QFETCH(bool, goed);
        QCOMPARE(beoordeel(v, 1, eerste, tweede).goed, goed);
        QCOMPARE(beoordeel(v, 2, eerste, tweede).goed, goed);
    }

    void linearTexts_data()
    {
        QTest::addColumn<int>("speler");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("nee");
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QString>("verslag");
        const QString eq = " -4 p  +  3 =  2";
        QTest::newRow("player 1 right")
            << 1 << "0,25"
            << "" << eq + "      p = 0,25   Goed" << eq + "      p = 0,25   Goed";
        QTest::newRow("player 2 right")
            << 2 << "0,25"
            << "" << eq + "      p = 0,25   Goed" << eq + "      p = 0,25   Goed";
        QTest::newRow("player 1 wrong") << 1 << "4"
                                        << "nee, het is  .25" << eq + "    p = 4  Fout ,het is  .25"
                                        << eq + "    p = 4        Fout ,het is  .25";
        QTest::newRow("player 2 wrong") << 2 << "4"
                                        << "nee, het is  .25" << eq + "    p = 4 Fout ,het is  .25"
                                        << eq + "    p = 4       Fout ,het is  .25";
    }
    void linearTexts()
    {
        QFETCH(int, speler);
        QFETCH(QString, getypt);
        QFETCH(QString, nee);
        QFETCH(QString, regel);
        QFETCH(QString, verslag);
        const Beoordeling b = beoordeel(kwart(), speler, getypt);
        QCOMPARE(b.nee, nee);
        QCOMPARE(b.regel, regel);
        QCOMPARE(b.verslagregel, verslag);
    }

    void fractionLogsOneLine()
    {
        const auto v = maak(1, 2, {letter(3), Trek(70, 100), Trek(5, 9), Trek(6, 20), min()});
        QCOMPARE(beoordeel(v, 1, "1").regel, QString("  20 / (x  -  6) = -4      x = 1   Goed"));
        QCOMPARE(beoordeel(v, 1, "2").nee, QString("nee, het is  1"));
    }

    void quadraticTexts_data()
    {
        QTest::addColumn<int>("speler");
        QTest::addColumn<QString>("eerste");
        QTest::addColumn<QString>("tweede");
        QTest::addColumn<QString>("nee");
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QString>("verslag");
        const QString eq = " x² - x -  6 = 0 ";
        const QString juist = "x =  3 of x = -2";
        QTest::newRow("player 1 right") << 1 << "-2"
                                        << "3"
                                        << "" << eq + "          x = -2 of x = 3    Goed"
                                        << eq + "          x = -2 of x = 3   Goed";
        QTest::newRow("player 2 right")
            << 2 << "-2"
            << "3"
            << "" << eq + "    x = -2 of x = 3Goed" << eq + "    x = -2 of x = 3Goed";
        QTest::newRow("player 1 wrong")
            << 1 << "3"
            << ""
            << "nee, " + juist << eq + "   x = 3 of x = \rFout, het is " + juist
            << eq + "   x = 3 of x =         Fout, het is " + juist;
        QTest::newRow("player 2 wrong")
            << 2 << "3"
            << ""
            << "nee, " + juist << eq + "   x = 3 of x = \rFout, het is " + juist
            << eq + "   x = 3 of x =        Fout, het is " + juist;
    }
    void quadraticTexts()
    {
        QFETCH(int, speler);
        QFETCH(QString, eerste);
        QFETCH(QString, tweede);
        QFETCH(QString, nee);
        QFETCH(QString, regel);
        QFETCH(QString, verslag);
        const Beoordeling b = beoordeel(drieEnMinTwee(), speler, eerste, tweede);
        QCOMPARE(b.nee, nee);
        QCOMPARE(b.regel, regel);
        QCOMPARE(b.verslagregel, verslag);
    }

    void halfSolutionsInTheFeedback()
    {
        QCOMPARE(beoordeel(metHalf(), 1, "1", "2").nee, QString("nee, x = -1.5 of x =  2"));
    }
};

TK_TEST(AntwoordTest)
#include "antwoord_test.moc"
