// What an answer counts for and the texts about an equation: the judgement,
// the feedback and results lines, the worked solution and the words a screen
// reader says.
#include "examples.h"
#include "exercises/equations/check.h"
#include "exercises/equations/explanation.h"
#include "exercises/equations/spoken.h"
#include "testmain.h"

using namespace equations;
using namespace eqtest;

namespace {

// What the pupil typed, with | between the two boxes of a quadratic equation.
run::Verdict verdictOn(const Equation& v, int player, const QString& typed)
{
    const QStringList boxes = typed.split('|');
    return equations::check(v, player, boxes[0], boxes.value(1));
}

} // namespace

class AnswerTest : public QObject {
    Q_OBJECT
private slots:
    // What the run through the form does not already type: the feedback
    // (empty when right) and, where given, the history line; the two
    // players' literals differ.
    void verdicts_data()
    {
        QTest::addColumn<Equation>("v");
        QTest::addColumn<int>("player");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("feedback");
        QTest::addColumn<QString>("line");
        const QString lin = " -4 p  +  3 =  2    p = 4", quad = " x² - x -  6 = 0 ";
        const QString quarterIs = "nee, het is  .25", right = "x =  3 of x = -2";
        const QString halves = "nee, x = -1.5 of x =  2";
        auto row = [](const char* name, const Example& e, const char* typed, const QString& said) {
            QTest::newRow(name) << make(e) << 1 << QString(typed) << said << QString();
        };
        row("no zero before the comma", quarter, ",25", "");
        row("close is wrong", quarter, "0,26", quarterIs);
        row("one solution twice is wrong", expanded, "3|3", "nee, " + right);
        row("empty second box, double solution", doubleSolution, "-3|", "");
        row("half with a comma in the second box", withHalf, "2|-1,5", "");
        row("half without its sign", withHalf, "1,5|2", halves);
        row("a fraction with blanks", quarter, " 2 / 8 ", "");
        row("a fraction of another value", quarter, "1/3", quarterIs);
        row("over zero reads the number before it", quarter, "1/0", quarterIs);
        row("a negative fraction in the second box", withHalf, "2|-3/2", "");
        QTest::newRow("linear player 1 wrong")
            << make(quarter) << 1 << "4" << quarterIs << lin + "  Fout ,het is  .25";
        QTest::newRow("linear player 2 wrong")
            << make(quarter) << 2 << "4" << quarterIs << lin + " Fout ,het is  .25";
        QTest::newRow("quadratic player 1 right") << make(expanded) << 1 << "-2|3" << QString()
                                                  << quad + "          x = -2 of x = 3    Goed";
        QTest::newRow("quadratic wrong")
            << make(expanded) << 1 << "3|"
            << "nee, " + right << quad + "   x = 3 of x = \rFout, het is " + right;
        QTest::newRow("half solutions with a point")
            << make(withHalf) << 1 << "1|2" << halves
            << " 3x² +(x+ 2)(x- 3)=x+ 6   x = 1 of x = 2\rFout, het is x = -1.5 of x =  2";
    }
    // The results lines are checked in the whole run through the form.
    void verdicts()
    {
        QFETCH(Equation, v);
        QFETCH(int, player);
        QFETCH(QString, typed);
        QFETCH(QString, feedback);
        QFETCH(QString, line);
        const run::Verdict verdict = verdictOn(v, player, typed);
        QCOMPARE(verdict.right, feedback.isEmpty());
        QCOMPARE(verdict.feedback, feedback);
        if (!line.isNull())
            QCOMPARE(verdict.history, line);
    }

    // The equation as shown, and the steps after "Oplossing in stappen: " with |
    // for each line break.
    void workedSolutions_data()
    {
        QTest::addColumn<Equation>("v");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("steps");
        const QString coverUpTitle = "Bordjesmanier", balanceTitle = "Weegschaalmethode";
        const QString quadratic1Title = "Kwadr. vergelijkingen niveau 1";
        const QString quadratic2Title = "Kwadr. vergelijkingen niveau 2";
        const QString bracketsFirst = " Eerst de haakjes wegwerken.|";
        QTest::newRow("cover-up 3x - 7 = 14")
            << make(threeXMinusSeven) << "  3 x  -  7 =  14" << coverUpTitle << "| 3x =  21|x =  7";
        QTest::newRow("cover-up fraction 20 / (x - 6) = -4")
            << make(fractionLevel1) << "       20\r -------------  = -4\r  (x  -  6)"
            << coverUpTitle << "|| 20 gedeeld door -5 is -4 , dus:||x + -6 = -5|x =  1";
        QTest::newRow("cover-up fraction at level 2 divides by k")
            << make(fractionLevel2) << "       40\r -------------  =  4\r  ( 2x  +  4)"
            << coverUpTitle
            << "|| 40 gedeeld door  10 is  4 , dus:|| 2x +  4 =  10| 2x =  6|x =  3";
        QTest::newRow("balance 3x - 7 = -8x + 26")
            << make(balance) << " 3x  -  7 = -8x +  26" << balanceTitle
            << "| 11x  -  7 =  26| 11x =  33|x =  3";
        QTest::newRow("balance with brackets")
            << make(brackets) << " 2t - 3( 2t+ 1)=t+ 5" << balanceTitle
            << "| 2t  + -6t + -3 = t+ 5|-4t + -3 = t +  5|-5t + -3 =  5|-5t =  8|t = -1.6";
        QTest::newRow("quadratic x² - x - 6 = 0 expanded")
            << make(expanded) << " x² - x -  6 = 0 " << quadratic1Title
            << "||Zoek twee getallen waarvan de som -1 is en het product -6|Dat zijn -3 en  2"
               "|Je krijgt dan  (x + -3)(x +  2) = 0|Oplossing: x =  3 of x = -2|";
        QTest::newRow("quadratic factored")
            << make(factored) << " (p +  4)(p  -  1) = 0 " << quadratic1Title
            << "|p +  4 = 0  of  p -  1 = 0 |Oplossing: p = -4 of p =  1|";
        QTest::newRow("quadratic with terms on both sides")
            << make(bothSides) << " a² -  3a+  10 =  2a +  4" << quadratic1Title
            << " Eerst op 0 herleiden.|a² + -5a +  6 = 0 | (a -  2)(a -  3)=0"
               "|a -  2 = 0  of  a -  3 = 0|Oplossing: a =  2 of a =  3|";
        QTest::newRow("level 6 e·B = 1 with a half: no factor step, abc-formule")
            << make(withHalf) << " 3x² +(x+ 2)(x- 3)=x+ 6" << quadratic2Title
            << bracketsFirst + " 3x² + x² + -x + -6 = x +  6| 4x² + -x + -6 = x +  6"
                               "| 4x² + -2x + -12 = 0|abc-formule|Oplossing: x = -1.5 of x =  2";
        QTest::newRow("level 6 two whole solutions factored")
            << make(twoWhole) << "x² + 2(x+ 4)(x+ 1)=-11x- 22" << quadratic2Title
            << bracketsFirst + "x² + 2(x²  +  5x +  4) = -11x + -22"
                               "|x² +  2x² +  10x +  8 = -11x + -22| 3x² +  10x +  8 = -11x + -22"
                               "| 3x² +  21x +  30 = 0|x² +  7x +  10 = 0 | (x +  2)(x +  5) = 0"
                               "|x +  2 = 0  of  x +  5 = 0|Oplossing: x = -2 of x = -5";
        QTest::newRow("level 6 first solution 0")
            << make(firstZero) << " 2x² -(x+ 3)(x- 2)=-5x+ 6" << quadratic2Title
            << bracketsFirst + " 2x² -(x²  + x + -6) = -5x +  6| 2x² + -x² + -x +  6 = -5x +  6"
                               "|x² + -x +  6 = -5x +  6|x² +  4x = 0|x² +  4x = 0 |x(x +  4) = 0"
                               "|x = 0  of  x +  4 = 0|Oplossing: x =  0 of x = -4";
        // No letter term inside the brackets: the number keeps its " + ".
        QTest::newRow("level 6 second solution 0 names it first")
            << make(secondZero) << " 2x² - 3(x+ 1)(x- 1)= 3x+ 3" << quadratic2Title
            << bracketsFirst + " 2x² - 3(x²  + -1) =  3x +  3| 2x² + -3x² +  3 =  3x +  3"
                               "|-x² +  3 =  3x +  3|-x² + -3x = 0|x² +  3x = 0 |x(x +  3) = 0"
                               "|x = 0  of  x +  3 = 0|Oplossing: x =  0 of x = -3";
    }
    void workedSolutions()
    {
        QFETCH(Equation, v);
        QFETCH(QString, text);
        QFETCH(QString, steps);
        const Explanation u = explain(v);
        QTEST(u.title, "title");
        QCOMPARE(u.text, text + "\r" + QString(51, '_') +
                             "\r\rOplossing in stappen: " + QString(steps).replace('|', '\r'));
    }

    // A fraction reads from top to bottom, the denominator in brackets.
    void fractionReadsAsSentence()
    {
        Equation v;
        v.level = 2, v.kind = 2, v.a = 5, v.k = 3, v.e = -1, v.b = 4, v.c = -2;
        QCOMPARE(spoken(v), QStringLiteral("5 gedeeld door ( 3x - 4 ) is gelijk aan -2"));
        v.kind = 1;
        v.text = QStringLiteral(" 3x  +  4 =  7");
        QCOMPARE(spoken(v), QStringLiteral("3x + 4 = 7"));
    }
};

TK_TEST(AnswerTest)
#include "answer_test.moc"
