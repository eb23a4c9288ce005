#include "exercises/equations/uitleg.h"
#include "testmain.h"
#include "voorbeelden.h"

using namespace equations;
using namespace eqtest;

class UitlegTest : public QObject {
    Q_OBJECT
private slots:
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
        QFETCH(QString, titel);
        QFETCH(QString, stappen);
        const Uitleg u = uitleg(v);
        QCOMPARE(u.titel, titel);
        QCOMPARE(u.tekst, vergtekst + "\r" + QString(51, '_') +
                              "\r\rOplossing in stappen: " + QString(stappen).replace('|', '\r'));
    }
};

TK_TEST(UitlegTest)
#include "uitleg_test.moc"
