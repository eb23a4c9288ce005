#include "common/numbertext.h"
#include "exercises/sums/explanation.h"
#include "problems.h"
#include "testmain.h"

#include <QRegularExpression>

using namespace sums;
using namespace sumstest;

namespace {

const QString U(51, '_');
const QString kDenk = "Denk bij optellen en aftrekken altijd aan de temperatuur";

QString lines(const QStringList& l)
{
    return l.join(QChar(13));
}

// The seven opening lines of a sum's explanation.
QStringList opening(const QString& first, const QString& start)
{
    return {first, U, "", kDenk, "", "De begintemperatuur is " + start + " graden.", ""};
}

} // namespace

class ExplanationTest : public QObject {
    Q_OBJECT
private slots:
    void warmBlocksAdded()
    {
        QCOMPARE(uitleg(sum(-5, 1, 12)),
                 lines(opening("-5 +  12  =  ", "-5") +
                       QStringList{"Er komen warme blokjes bij, dus het wordt warmer", "",
                                   "Met  5 warme blokjes erbij is het 0 graden", " 12 -  5 =  7",
                                   "Dan zijn er nog  7 warme blokjes over, dus het wordt  7 "
                                   "graden."}));
    }

    void secondNumberAsked()
    {
        QCOMPARE(
            uitleg(hidden(-14, 1, -6)),
            lines(opening("-14 + ......  =  -20", "-14") +
                  QStringList{"Er staat een + dus er moeten blokjes bij.", "",
                              "Het wordt kouder, dus er moeten koude blokjes bij", " 20 -  14 =  6",
                              "Er moeten  6 koude blokjes bij.", "Het antwoord is dus -6", ""}));
    }

    void coldBlocksRemovedHasNoEmptyLine()
    {
        QCOMPARE(uitleg(sum(-3, -1, -8)),
                 lines(opening("-3 - -8  =  ", "-3") +
                       QStringList{
                           "Er worden koude blokjes uitgehaald, dus het wordt warmer ( - - = + )",
                           "Met  3 koude blokjes eruit is het 0 graden", " 8 -  3 =  5",
                           "Dan worden er nog  5 koude blokjes uitgehaald, dus het wordt  5 "
                           "graden."}));
    }

    void coldBlocksAddedToWarmStart()
    {
        QCOMPARE(
            uitleg(sum(9, 1, -4)),
            lines(opening(" 9 + -4  =  ", " 9") +
                  QStringList{"Er worden koude blokjes bijgedaan, dus het wordt kouder ( + - = - )",
                              "", "Het wordt dus  5 graden."}));
    }

    void tenthsStayTenths()
    {
        QCOMPARE(
            uitleg(tenths(-12, 1, 17)),
            lines(opening("-1.2 +  1.7  =  ", "-1.2") +
                  QStringList{"Er komen warme blokjes bij, dus het wordt warmer", "",
                              "Met  1.2 warme blokjes erbij is het 0 graden", " 1.7 -  1.2 =  .5",
                              "Dan zijn er nog  .5 warme blokjes over, dus het wordt  .5 "
                              "graden."}));
    }

    // No sum of level 2 shows a number with more than one decimal.
    void everyDecimalSumShowsTenths()
    {
        const QRegularExpression longDecimal("\\.\\d\\d");
        for (int a = -49; a <= 49; ++a)
            for (int b = -49; b <= 49; ++b)
                for (int teken : {1, -1}) {
                    if (std::abs(a) < 10 || std::abs(b) < 10 || (a > 0 && b > 0) ||
                        a + teken * b == 0)
                        continue;
                    const QString text = uitleg(tenths(a, teken, b));
                    QVERIFY2(!text.contains(longDecimal), qPrintable(text));
                }
    }

    // The closing lines of the remaining temperature branches.
    void sumBranches_data()
    {
        QTest::addColumn<double>("g1");
        QTest::addColumn<int>("teken");
        QTest::addColumn<double>("g2");
        QTest::addColumn<QStringList>("closing");
        QTest::newRow("warm added, too few to reach 0")
            << -12.0 << 1 << 5.0
            << QStringList{"Er komen warme blokjes bij, dus het wordt warmer", "",
                           "Er komen te weinig warme blokjes bij om het 0 graden te maken",
                           " 12 -  5 =  7", "Er zijn  7 te weinig, dus het wordt -7 graden."};
        QTest::newRow("warm removed below 0")
            << -5.0 << -1 << 12.0
            << QStringList{"Er worden warme blokjes uitgehaald, dus het wordt kouder ( - + = - )",
                           "",
                           "Het is al onder 0 en er worden warme blokjes uitgehaald, dus het "
                           "wordt nog kouder",
                           " 5 +  12 =  17", "Het wordt dus -17 graden."};
        QTest::newRow("cold added to warm start, crossing 0")
            << 5.0 << 1 << -12.0
            << QStringList{"Er worden koude blokjes bijgedaan, dus het wordt kouder ( + - = - )",
                           "", "Met  5 koude blokjes erbij is het 0 graden", " 12 -  5 =  7",
                           "Dan worden er nog  7 koude blokjes bijgedaan, dus het wordt -7 "
                           "graden."};
        QTest::newRow("cold added below 0, trailing space")
            << -5.0 << 1 << -12.0
            << QStringList{"Er worden koude blokjes bijgedaan, dus het wordt kouder ( + - = - )",
                           "",
                           "Het is al onder 0 en er worden koude blokjes bijgedaan, dus het wordt "
                           "nog kouder ",
                           " 5 +  12 =  17", "Het wordt dus -17 graden."};
        QTest::newRow("cold removed above 0")
            << 5.0 << -1 << -12.0
            << QStringList{"Er worden koude blokjes uitgehaald, dus het wordt warmer ( - - = + )",
                           "Het is al boven 0 en er worden koude blokjes uitgehaald, dus het "
                           "wordt nog warmer",
                           " 5 +  12 =  17", "Het wordt dus  17 graden."};
        QTest::newRow("cold removed, too few to reach 0")
            << -12.0 << -1 << -5.0
            << QStringList{"Er worden koude blokjes uitgehaald, dus het wordt warmer ( - - = + )",
                           "Er worden te weinig koude blokjes uitgehaald om het 0 graden te maken",
                           " 12 -  5 =  7", "Er zijn  7 te weinig, dus het wordt -7 graden."};
    }
    void sumBranches()
    {
        QFETCH(double, g1);
        QFETCH(int, teken);
        QFETCH(double, g2);
        QFETCH(QStringList, closing);
        const QStringList got = uitleg(sum(g1, teken, g2)).split(QChar(13));
        QCOMPARE(got.mid(7), closing);
    }

    void secondNumberBranches_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<int>("teken");
        QTest::addColumn<double>("b");
        QTest::addColumn<QStringList>("closing");
        const QString bij = "Er staat een + dus er moeten blokjes bij.";
        const QString uit = "Er staat een - dus er moeten blokjes uit.";
        QTest::newRow("warm in, crossing 0")
            << -5.0 << 1 << 8.0
            << QStringList{bij,
                           "",
                           "Het wordt warmer, dus er moeten warme blokjes bij",
                           "Als je er  5 warme blokjes bijdoet wordt het 0 graden.",
                           "Dan moeten er nog  3 warme blokjes bij.",
                           " 3 +  5 =  8",
                           "In totaal moeten er  8 warme blokjes bij.",
                           "Het antwoord is dus  8",
                           ""};
        QTest::newRow("warm in, towards 0")
            << -20.0 << 1 << 6.0
            << QStringList{bij,
                           "",
                           "Het wordt warmer, dus er moeten warme blokjes bij",
                           " 20 -  14 =  6",
                           "Er moeten  6 warme blokjes bij.",
                           "Het antwoord is dus  6",
                           ""};
        QTest::newRow("cold in, crossing 0")
            << 5.0 << 1 << -8.0
            << QStringList{bij,
                           "",
                           "Het wordt kouder, dus er moeten koude blokjes bij",
                           "Als je er  5 koude blokjes bijdoet wordt het 0 graden.",
                           "Dan moeten er nog  3 koude blokjes bij.",
                           " 3 +  5 =  8",
                           "In totaal moeten er  8 koude blokjes bij.",
                           "Het antwoord is dus -8",
                           ""};
        QTest::newRow("cold out, crossing 0")
            << -5.0 << -1 << -8.0
            << QStringList{uit,
                           "",
                           "Het wordt warmer, dus er moeten koude blokjes uit.",
                           "Als je er  5 koude blokjes uithaalt wordt het 0 graden.",
                           "Dan moeten er nog  3 koude blokjes uit.",
                           " 3 +  5 =  8",
                           "In totaal moeten er  8 koude blokjes uit.",
                           "Het antwoord is dus -8",
                           ""};
        QTest::newRow("cold out, towards 0")
            << -20.0 << -1 << -6.0
            << QStringList{uit,
                           "",
                           "Het wordt warmer, dus er moeten koude blokjes uit.",
                           " 20 -  14 =  6",
                           "Er moeten  6 koude blokjes uit.",
                           "Het antwoord is dus -6",
                           ""};
        QTest::newRow("warm out, away from 0")
            << -14.0 << -1 << 6.0
            << QStringList{uit,
                           "",
                           "Het wordt kouder, dus er moeten warme blokjes uit",
                           " 20 -  14 =  6",
                           "Er moeten  6 warme blokjes uit.",
                           "Het antwoord is dus  6",
                           ""};
        QTest::newRow("warm out, crossing 0")
            << 5.0 << -1 << 8.0
            << QStringList{uit,
                           "",
                           "Het wordt kouder, dus er moeten warme blokjes uit",
                           "Als je er  5 warme blokjes uithaalt wordt het 0 graden.",
                           "Dan moeten er nog  3 warme blokjes uit.",
                           " 3 +  5 =  8",
                           "In totaal moeten er  8 warme blokjes uit.",
                           "Het antwoord is dus  8",
                           ""};
    }
    void secondNumberBranches()
    {
        QFETCH(double, a);
        QFETCH(int, teken);
        QFETCH(double, b);
        QFETCH(QStringList, closing);
        const QStringList got = uitleg(hidden(a, teken, b)).split(QChar(13));
        QCOMPARE(got.mid(7), closing);
    }

    void productListsAllFourSigns()
    {
        const QStringList rule{"Uitleg:  7  x   3  =   21",
                               "           -7  x   3  =  -21",
                               "            7  x  -3  =  -21",
                               "           -7  x  -3  =   21",
                               "Dus: ",
                               "-7  x   3  =  -21",
                               ""};
        QCOMPARE(uitleg(product(-7, 3)), lines(QStringList{"-7  x   3  =  ", U, ""} + rule));
        QCOMPARE(uitleg(product(-7, 3, true)),
                 lines(QStringList{"-7  x  .......  =  -21", U, ""} + rule));
    }

    void timesFirst()
    {
        QCOMPARE(
            uitleg(threeTerms(4, 2, -2, -1, 3, -11)),
            lines({" 4 x -2   -    3  =  ", U, "", "Bereken eerst   4 x -2     ,dat is -8", "",
                   "bereken dan -8   -    3    , dat is  -11", "", "Dus de uitkomst is -11", ""}));
    }

    void timesSecond()
    {
        QCOMPARE(
            uitleg(threeTerms(-5, 1, 3, 2, 2, 1)),
            lines({"-5 +  3   x    2  =  ", U, "", "Bereken eerst   3   x    2     ,dat is  6", "",
                   "bereken dan -5 +  6    , dat is   1", "", "Dus de uitkomst is  1", ""}));
    }

    void timesTwiceAndNoTimes_data()
    {
        QTest::addColumn<int>("op1");
        QTest::addColumn<int>("op2");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("times twice, left to right")
            << 2 << 2 << 24.0 << "Bereken eerst  -4 x  3     ,dat is -12"
            << "bereken dan -12   x   -2    , dat is   24";
        QTest::newRow("plus and minus, left to right")
            << 1 << -1 << 1.0 << "Bereken eerst  -4 +  3     ,dat is -1"
            << "bereken dan -1   -   -2    , dat is   1";
    }
    void timesTwiceAndNoTimes()
    {
        QFETCH(int, op1);
        QFETCH(int, op2);
        QFETCH(double, value);
        QFETCH(QString, first);
        QFETCH(QString, second);
        const QStringList got = uitleg(threeTerms(-4, op1, 3, op2, -2, value)).split(QChar(13));
        QCOMPARE(got.value(3), first);
        QCOMPARE(got.value(5), second);
        QCOMPARE(got.value(7), "Dus de uitkomst is " + common::Str(value));
    }
};

TK_TEST(ExplanationTest)
#include "explanation_test.moc"
