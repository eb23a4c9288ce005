// A typed answer judged, and the explanation after a wrong one.
#include "exercises/sums/check.h"
#include "exercises/sums/explanation.h"
#include "problems.h"
#include "testmain.h"

#include <QRegularExpression>

using namespace sums;
using namespace sumstest;

namespace {

// Expected texts are written with "|" between lines; ~ is the underline.
QString text(QString t)
{
    t.replace('~', QString(51, '_'));
    return t.replace('|', QChar(13));
}

} // namespace

class CheckTest : public QObject {
    Q_OBJECT
private slots:
    // An empty feedback means the answer is right. Player 2's "Fout ,het" is
    // in the results file of the run through the form.
    void verdicts_data()
    {
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("feedback");
        QTest::addColumn<QString>("line");
        const Problem s = make(plain, -5, " + ", 12);
        QTest::newRow("result asked: the text as typed") << s << " 7,0"
                                                         << ""
                                                         << " -5 +   12 =  7,0   Goed";
        QTest::newRow("result asked: player 1 writes 'Fout, het'")
            << s << "-7"
            << "nee, het is  7"
            << " -5 +   12 = -7   Fout, het is  7";
        QTest::newRow("tenths: single precision shown without leading zero")
            << make(inTenths, -12, " + ", 17) << "5"
            << "nee, het is  .5"
            << " -1.2 +   1.7 = 5   Fout, het is  .5";
        QTest::newRow("product asked") << product(-7, -3) << "-21"
                                       << "nee, het is  21"
                                       << " -7 x  -3 = -21   Fout, het is  21";
    }
    void verdicts()
    {
        QFETCH(Problem, problem);
        QFETCH(QString, typed);
        QFETCH(QString, feedback);
        QFETCH(QString, line);
        const run::Verdict v = check(problem, typed, 1);
        QCOMPARE(v.right, feedback.isEmpty());
        if (!v.right)
            QCOMPARE(v.feedback, feedback);
        QCOMPARE(v.log, QStringList{line});
    }
};

class ExplanationTest : public QObject {
    Q_OBJECT
private slots:
    // Each branch of the explanation by the lines only it writes; one of each
    // kind of problem whole.
    void branches_data()
    {
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("lines");
        QTest::newRow("warm blocks added: -5 + 12, whole")
            << make(plain, -5, " + ", 12)
            << "-5 +  12  =  |~||Denk bij optellen en aftrekken altijd aan de temperatuur||De "
               "begintemperatuur is -5 graden.||Er komen warme blokjes bij, dus het wordt "
               "warmer||Met  5 warme blokjes erbij is het 0 graden| 12 -  5 =  7|Dan zijn er nog  "
               "7 warme blokjes over, dus het wordt  7 graden.";
        QTest::newRow("second number: -14 + ... = -20, whole")
            << make(hiddenSecond, -14, " + ", -6)
            << "-14 + ......  =  -20|~||Denk bij optellen en aftrekken altijd aan de temperatuur||"
               "De begintemperatuur is -14 graden.||Er staat een + dus er moeten blokjes bij.||Het "
               "wordt kouder, dus "
               "er moeten koude blokjes bij| 20 -  14 =  6|Er moeten  6 koude blokjes bij.|Het "
               "antwoord is dus -6|";
        QTest::newRow("cold added to a warm start: 9 + -4")
            << make(plain, 9, " + ", -4)
            << "is  9 graden.||Er worden koude blokjes bijgedaan, dus het wordt kouder ( + - = - "
               ")||Het wordt dus  5 graden.";
        QTest::newRow("tenths stay tenths: -1.2 + 1.7")
            << make(inTenths, -12, " + ", 17)
            << "is -1.2 graden.||Er komen warme blokjes bij, dus het wordt warmer||Met  1.2 warme "
               "blokjes erbij is het 0 graden| 1.7 -  1.2 =  .5|Dan zijn er nog  .5 warme blokjes "
               "over, dus het wordt  .5 graden.";
        QTest::newRow("times first: 4 x -2 - 3, whole")
            << threeTerms(4, 2, -2, -1, 3, -11)
            << " 4 x -2   -    3  =  |~||Bereken eerst   4 x -2     ,dat is -8||bereken dan -8   "
               "-    3    , dat is  -11||Dus de uitkomst is -11|";
        QTest::newRow("times twice, left to right")
            << threeTerms(-4, 2, 3, 2, -2, 24)
            << "Bereken eerst  -4 x  3     ,dat is -12||bereken dan -12   x   -2    , dat is   "
               "24||Dus de uitkomst is  24|";
        QTest::newRow("sign rule, product asked, whole")
            << product(-7, 3)
            << "-7  x   3  =  |~||Uitleg:  7  x   3  =   21|           -7  x   3  =  -21|       "
               "     7  x  -3  =  -21|           -7  x  -3  =   21|Dus: |-7  x   3  =  -21|";
        QTest::newRow("warm added, too few to reach 0")
            << make(plain, -12, " + ", 5)
            << "warmer||Er komen te weinig warme blokjes bij om het 0 graden te maken| 12 -  5 =  "
               "7|"
               "Er zijn  7 te weinig, dus het wordt -7 graden.";
        QTest::newRow("warm removed below 0")
            << make(plain, -5, " - ", 12)
            << "dus het wordt nog kouder| 5 +  12 =  17|Het wordt dus -17 graden.";
        QTest::newRow("cold added to a warm start, crossing 0")
            << make(plain, 5, " + ", -12)
            << "( + - = - )||Met  5 koude blokjes erbij is het 0 graden| 12 -  5 =  7|Dan worden "
               "er nog  7 koude blokjes bijgedaan, dus het wordt -7 graden.";
        QTest::newRow("cold added below 0, trailing space")
            << make(plain, -5, " + ", -12)
            << "koude blokjes bijgedaan, dus het wordt nog kouder | 5 +  12 =  17|Het wordt dus "
               "-17 graden.";
        QTest::newRow("cold removed above 0")
            << make(plain, 5, " - ", -12)
            << "( - - = + )|Het is al boven 0 en er worden koude blokjes uitgehaald, dus het wordt "
               "nog warmer| 5 +  12 =  17|Het wordt dus  17 graden.";
        QTest::newRow("cold removed, too few to reach 0")
            << make(plain, -12, " - ", -5)
            << "om het 0 graden te maken| 12 -  5 =  7|Er zijn  7 te weinig, dus het wordt -7 "
               "graden.";
        QTest::newRow("second number: warm in, towards 0")
            << make(hiddenSecond, -20, " + ", 6)
            << "bij.||Het wordt warmer, dus er moeten warme blokjes bij| 20 -  14 =  6|Er moeten  "
               "6 warme blokjes bij.|Het antwoord is dus  6|";
        QTest::newRow("second number: cold out, crossing 0")
            << make(hiddenSecond, -5, " - ", -8)
            << "uit.||Het wordt warmer, dus er moeten koude blokjes uit.|Als je er  5 koude "
               "blokjes "
               "uithaalt wordt het 0 graden.|Dan moeten er nog  3 koude blokjes uit.| 3 +  5 =  8|"
               "In totaal moeten er  8 koude blokjes uit.|Het antwoord is dus -8|";
        QTest::newRow("second number: warm out, crossing 0")
            << make(hiddenSecond, 5, " - ", 8)
            << "dus er moeten warme blokjes uit|Als je er  5 warme blokjes uithaalt wordt het 0 "
               "graden.|Dan moeten er nog  3 warme blokjes uit.| 3 +  5 =  8|In totaal moeten er  "
               "8 warme blokjes uit.|Het antwoord is dus  8|";
    }
    void branches()
    {
        QFETCH(Problem, problem);
        QFETCH(QString, lines);
        QVERIFY2(explain(problem).endsWith(text(lines)), qPrintable(explain(problem)));
    }

    // No sum of level 2 shows a number with more than one decimal.
    void everyDecimalSumShowsTenths()
    {
        const QRegularExpression longDecimal("\\.\\d\\d");
        for (int a = -49; a <= 49; ++a)
            for (int b = -49; b <= 49; ++b) {
                if (std::abs(a) < 10 || std::abs(b) < 10 || (a > 0 && b > 0))
                    continue;
                if (a != b)
                    QVERIFY(!explain(make(inTenths, a, " - ", b)).contains(longDecimal));
                if (a != -b)
                    QVERIFY(!explain(make(inTenths, a, " + ", b)).contains(longDecimal));
            }
    }
};

TK_TEST(CheckTest)
TK_TEST(ExplanationTest)
#include "answer_test.moc"
