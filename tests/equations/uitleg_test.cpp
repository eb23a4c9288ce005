// What an answer counts for and the texts about an equation: the judgement,
// the feedback and results lines, the worked solution and the words a screen
// reader says.
#include "exercises/equations/antwoord.h"
#include "exercises/equations/uitleg.h"
#include "exercises/equations/voorlezen.h"
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

class UitlegTest : public QObject {
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
        QTEST(oordeel(v, 1, getypt).goed, "goed");
    }

    // Feedback (empty when right) and history line; the two players'
    // literals differ.
    void texts_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<int>("speler");
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("nee");
        QTest::addColumn<QString>("regel");
        const QString lin = " -4 p  +  3 =  2    p = 4", kw = " x² - x -  6 = 0 ";
        const QString juist = "x =  3 of x = -2";
        QTest::newRow("linear player 1 wrong") << maak(kwart) << 1 << "4"
                                               << "nee, het is  .25" << lin + "  Fout ,het is  .25";
        QTest::newRow("linear player 2 wrong") << maak(kwart) << 2 << "4"
                                               << "nee, het is  .25" << lin + " Fout ,het is  .25";
        QTest::newRow("quadratic player 1 right") << maak(uitgewerkt) << 1 << "-2|3" << QString()
                                                  << kw + "          x = -2 of x = 3    Goed";
        QTest::newRow("quadratic player 2 right")
            << maak(uitgewerkt) << 2 << "-2|3" << QString() << kw + "    x = -2 of x = 3Goed";
        QTest::newRow("quadratic wrong")
            << maak(uitgewerkt) << 1 << "3|"
            << "nee, " + juist << kw + "   x = 3 of x = \rFout, het is " + juist;
        QTest::newRow("half solutions with a point")
            << maak(metHalf) << 1 << "1|2"
            << "nee, x = -1.5 of x =  2"
            << " 3x² +(x+ 2)(x- 3)=x+ 6   x = 1 of x = 2\rFout, het is x = -1.5 of x =  2";
    }
    // The results lines are checked in the whole run through the form.
    void texts()
    {
        QFETCH(Vergelijking, v);
        QFETCH(int, speler);
        QFETCH(QString, getypt);
        QFETCH(QString, nee);
        const run::Verdict b = oordeel(v, speler, getypt);
        QCOMPARE(b.goed, nee.isEmpty());
        QCOMPARE(b.fout, nee);
        QTEST(b.historie, "regel");
    }

    // The equation as shown, and the steps after "Oplossing in stappen: " with |
    // for each line break.
    void workedSolutions_data()
    {
        QTest::addColumn<Vergelijking>("v");
        QTest::addColumn<QString>("vergtekst");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("stappen");
        const QString bordjes = "Bordjesmanier", weegschaal_ = "Weegschaalmethode";
        const QString kwadr1 = "Kwadr. vergelijkingen niveau 1";
        const QString kwadr2 = "Kwadr. vergelijkingen niveau 2";
        const QString haakjesWeg = " Eerst de haakjes wegwerken.|";
        QTest::newRow("cover-up 3x - 7 = 14")
            << maak(drieXMinZeven) << "  3 x  -  7 =  14" << bordjes << "| 3x =  21|x =  7";
        QTest::newRow("cover-up fraction 20 / (x - 6) = -4")
            << maak(breukNiveau1) << "       20\r -------------  = -4\r  (x  -  6)" << bordjes
            << "|| 20 gedeeld door -5 is -4 , dus:||x + -6 = -5|x =  1";
        QTest::newRow("cover-up fraction at level 2 divides by k")
            << maak(breukNiveau2) << "       40\r -------------  =  4\r  ( 2x  +  4)" << bordjes
            << "|| 40 gedeeld door  10 is  4 , dus:|| 2x +  4 =  10| 2x =  6|x =  3";
        QTest::newRow("balance 3x - 7 = -8x + 26")
            << maak(weegschaal) << " 3x  -  7 = -8x +  26" << weegschaal_
            << "| 11x  -  7 =  26| 11x =  33|x =  3";
        QTest::newRow("balance with brackets")
            << maak(haakjes) << " 2t - 3( 2t+ 1)=t+ 5" << weegschaal_
            << "| 2t  + -6t + -3 = t+ 5|-4t + -3 = t +  5|-5t + -3 =  5|-5t =  8|t = -1.6";
        QTest::newRow("quadratic x² - x - 6 = 0 expanded")
            << maak(uitgewerkt) << " x² - x -  6 = 0 " << kwadr1
            << "||Zoek twee getallen waarvan de som -1 is en het product -6|Dat zijn -3 en  2"
               "|Je krijgt dan  (x + -3)(x +  2) = 0|Oplossing: x =  3 of x = -2|";
        QTest::newRow("quadratic factored")
            << maak(ontbonden) << " (p +  4)(p  -  1) = 0 " << kwadr1
            << "|p +  4 = 0  of  p -  1 = 0 |Oplossing: p = -4 of p =  1|";
        QTest::newRow("quadratic with terms on both sides")
            << maak(tweeKanten) << " a² -  3a+  10 =  2a +  4" << kwadr1
            << " Eerst op 0 herleiden.|a² + -5a +  6 = 0 | (a -  2)(a -  3)=0"
               "|a -  2 = 0  of  a -  3 = 0|Oplossing: a =  2 of a =  3|";
        QTest::newRow("level 6 e·B = 1 with a half: no factor step, abc-formule")
            << maak(metHalf) << " 3x² +(x+ 2)(x- 3)=x+ 6" << kwadr2
            << haakjesWeg + " 3x² + x² + -x + -6 = x +  6| 4x² + -x + -6 = x +  6"
                            "| 4x² + -2x + -12 = 0|abc-formule|Oplossing: x = -1.5 of x =  2";
        QTest::newRow("level 6 two whole solutions factored")
            << maak(tweeHele) << "x² + 2(x+ 4)(x+ 1)=-11x- 22" << kwadr2
            << haakjesWeg + "x² + 2(x²  +  5x +  4) = -11x + -22"
                            "|x² +  2x² +  10x +  8 = -11x + -22| 3x² +  10x +  8 = -11x + -22"
                            "| 3x² +  21x +  30 = 0|x² +  7x +  10 = 0 | (x +  2)(x +  5) = 0"
                            "|x +  2 = 0  of  x +  5 = 0|Oplossing: x = -2 of x = -5";
        QTest::newRow("level 6 first solution 0")
            << maak(eersteNul) << " 2x² -(x+ 3)(x- 2)=-5x+ 6" << kwadr2
            << haakjesWeg + " 2x² -(x²  + x + -6) = -5x +  6| 2x² + -x² + -x +  6 = -5x +  6"
                            "|x² + -x +  6 = -5x +  6|x² +  4x = 0|x² +  4x = 0 |x(x +  4) = 0"
                            "|x = 0  of  x +  4 = 0|Oplossing: x =  0 of x = -4";
        // No letter term inside the brackets: the number keeps its " + ".
        QTest::newRow("level 6 second solution 0 names it first")
            << maak(tweedeNul) << " 2x² - 3(x+ 1)(x- 1)= 3x+ 3" << kwadr2
            << haakjesWeg + " 2x² - 3(x²  + -1) =  3x +  3| 2x² + -3x² +  3 =  3x +  3"
                            "|-x² +  3 =  3x +  3|-x² + -3x = 0|x² +  3x = 0 |x(x +  3) = 0"
                            "|x = 0  of  x +  3 = 0|Oplossing: x =  0 of x = -3";
    }
    void workedSolutions()
    {
        QFETCH(Vergelijking, v);
        QFETCH(QString, vergtekst);
        QFETCH(QString, stappen);
        const Uitleg u = uitleg(v);
        QTEST(u.titel, "titel");
        QCOMPARE(u.tekst, vergtekst + "\r" + QString(51, '_') +
                              "\r\rOplossing in stappen: " + QString(stappen).replace('|', '\r'));
    }

    // A fraction reads from top to bottom, the denominator in brackets.
    void breukLeestAlsZin()
    {
        Vergelijking v;
        v.niveau = 2, v.vergsoort = 2, v.a = 5, v.k = 3, v.e = -1, v.b = 4, v.c = -2;
        QCOMPARE(uitgesproken(v), QStringLiteral("5 gedeeld door ( 3x - 4 ) is gelijk aan -2"));
        v.vergsoort = 1;
        v.vergtekst = QStringLiteral(" 3x  +  4 =  7");
        QCOMPARE(uitgesproken(v), QStringLiteral("3x + 4 = 7"));
    }
};

TK_TEST(UitlegTest)
#include "uitleg_test.moc"
