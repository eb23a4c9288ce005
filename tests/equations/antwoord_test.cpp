#include "exercises/equations/antwoord.h"
#include "testmain.h"
#include "voorbeelden.h"

using namespace equations;
using namespace eqtest;

class AntwoordTest : public QObject {
    Q_OBJECT
private slots:
    void judging_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<QString>("eerste");
        QTest::addColumn<QString>("tweede");
        QTest::addColumn<bool>("goed");
        QTest::newRow("decimal comma") << maak(eenKwart()) << "1,25"
                                       << "" << true;
        QTest::newRow("decimal point") << maak(eenKwart()) << "1.25"
                                       << "" << true;
        QTest::newRow("negative with comma, single precision") << maak(minVierTiende()) << "-0,4"
                                                               << "" << true;
        QTest::newRow("no zero before the comma") << maak(kwart()) << ",25"
                                                  << "" << true;
        QTest::newRow("leading blanks") << maak(kwart()) << "  0.25"
                                        << "" << true;
        QTest::newRow("close is wrong") << maak(kwart()) << "0,26"
                                        << "" << false;
        QTest::newRow("text reads as zero") << maak(kwart()) << "kwart"
                                            << "" << false;
        QTest::newRow("both in order") << maak(uitgewerkt()) << "3"
                                       << "-2" << true;
        QTest::newRow("both reversed") << maak(uitgewerkt()) << "-2"
                                       << "3" << true;
        QTest::newRow("one solution twice is wrong") << maak(uitgewerkt()) << "3"
                                                     << "3" << false;
        QTest::newRow("empty second box counts as the first") << maak(uitgewerkt()) << "3"
                                                              << "" << false;
        QTest::newRow("empty second box for a double solution") << maak(dubbel()) << "-3"
                                                                << "" << true;
        QTest::newRow("half with a comma in the first box") << maak(metHalf()) << "-1,5"
                                                            << "2" << true;
        QTest::newRow("half with a comma in the second box") << maak(metHalf()) << "2"
                                                             << "-1,5" << true;
        QTest::newRow("half with a point") << maak(metHalf()) << "-1.5"
                                           << "2" << true;
        QTest::newRow("half without its sign") << maak(metHalf()) << "1,5"
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
        const Beoordeling b = beoordeel(maak(kwart()), speler, getypt);
        QCOMPARE(b.nee, nee);
        QCOMPARE(b.regel, regel);
        QCOMPARE(b.verslagregel, verslag);
    }

    void fractionLogsOneLine()
    {
        const auto v = maak(breukNiveau1());
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
        const Beoordeling b = beoordeel(maak(uitgewerkt()), speler, eerste, tweede);
        QCOMPARE(b.nee, nee);
        QCOMPARE(b.regel, regel);
        QCOMPARE(b.verslagregel, verslag);
    }

    void halfSolutionsInTheFeedback()
    {
        QCOMPARE(beoordeel(maak(metHalf()), 1, "1", "2").nee, QString("nee, x = -1.5 of x =  2"));
    }
};

TK_TEST(AntwoordTest)
#include "antwoord_test.moc"
