#include "exercises/equations/antwoord.h"
#include "testmain.h"
#include "voorbeelden.h"

using namespace equations;
using namespace eqtest;

namespace {

// What the pupil typed, with | between the two boxes of a quadratic equation.
run::Verdict oordeel(const Vergelijking& v, int speler, const QString& getypt)
{
    const QStringList vak = getypt.split('|');
    return equations::beoordeel(v, speler, vak[0], vak.value(1));
}

} // namespace

class AntwoordTest : public QObject {
    Q_OBJECT
private slots:
    // What the run through the form does not already type.
    void judging_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<bool>("goed");
        QTest::newRow("no zero before the comma") << maak(kwart) << ",25" << true;
        QTest::newRow("close is wrong") << maak(kwart) << "0,26" << false;
        QTest::newRow("one solution twice is wrong") << maak(uitgewerkt) << "3|3" << false;
        QTest::newRow("empty second box, double solution") << maak(dubbel) << "-3|" << true;
        QTest::newRow("half with a comma in the second box") << maak(metHalf) << "2|-1,5" << true;
        QTest::newRow("half without its sign") << maak(metHalf) << "1,5|2" << false;
        QTest::newRow("a fraction with blanks") << maak(kwart) << " 2 / 8 " << true;
        QTest::newRow("a fraction of another value") << maak(kwart) << "1/3" << false;
        QTest::newRow("over zero reads the number before it") << maak(kwart) << "1/0" << false;
        QTest::newRow("a negative fraction in the second box") << maak(metHalf) << "2|-3/2" << true;
    }
    void judging()
    {
        QFETCH(Vergelijking, v);
        QFETCH(QString, getypt);
        QFETCH(bool, goed);
        QCOMPARE(oordeel(v, 1, getypt).goed, goed);
        QCOMPARE(oordeel(v, 2, getypt).goed, goed);
    }

    // Feedback (empty when right), history line and results line; the two
    // players' literals differ.
    void texts_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<int>("speler");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("nee");
        QTest::addColumn<QString>("regel");
        QTest::addColumn<QString>("verslag");
        const QString lin = " -4 p  +  3 =  2", kw = " x² - x -  6 = 0 ";
        const QString juist = "x =  3 of x = -2", half = "Fout, het is x = -1.5 of x =  2";
        QTest::newRow("linear player 1 wrong")
            << maak(kwart) << 1 << "4"
            << "nee, het is  .25" << lin + "    p = 4  Fout ,het is  .25"
            << lin + "    p = 4        Fout ,het is  .25";
        QTest::newRow("linear player 2 wrong")
            << maak(kwart) << 2 << "4"
            << "nee, het is  .25" << lin + "    p = 4 Fout ,het is  .25"
            << lin + "    p = 4       Fout ,het is  .25";
        QTest::newRow("quadratic player 1 right")
            << maak(uitgewerkt) << 1 << "-2|3" << QString()
            << kw + "          x = -2 of x = 3    Goed" << kw + "          x = -2 of x = 3   Goed";
        QTest::newRow("quadratic player 2 right")
            << maak(uitgewerkt) << 2 << "-2|3" << QString() << kw + "    x = -2 of x = 3Goed"
            << kw + "    x = -2 of x = 3Goed";
        QTest::newRow("quadratic wrong")
            << maak(uitgewerkt) << 1 << "3|"
            << "nee, " + juist << kw + "   x = 3 of x = \rFout, het is " + juist
            << kw + "   x = 3 of x =         Fout, het is " + juist;
        QTest::newRow("half solutions with a point")
            << maak(metHalf) << 1 << "1|2"
            << "nee, x = -1.5 of x =  2"
            << " 3x² +(x+ 2)(x- 3)=x+ 6   x = 1 of x = 2\r" + half
            << " 3x² +(x+ 2)(x- 3)=x+ 6   x = 1 of x = 2        " + half;
    }
    void texts()
    {
        QFETCH(Vergelijking, v);
        QFETCH(int, speler);
        QFETCH(QString, getypt);
        QFETCH(QString, nee);
        QFETCH(QString, regel);
        QFETCH(QString, verslag);
        const run::Verdict b = oordeel(v, speler, getypt);
        QCOMPARE(b.goed, nee.isEmpty());
        QCOMPARE(b.fout, nee);
        QCOMPARE(b.historie, regel);
        QCOMPARE(b.verslag, QStringList{verslag});
    }
};

TK_TEST(AntwoordTest)
#include "antwoord_test.moc"
