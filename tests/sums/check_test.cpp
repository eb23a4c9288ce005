#include "exercises/sums/check.h"
#include "problems.h"
#include "testmain.h"

using namespace sums;
using namespace sumstest;

class CheckTest : public QObject {
    Q_OBJECT
private slots:
    // A typed tenth read in single precision would miss most of these.
    void everyTenthIsRightAtLevel2()
    {
        for (int k = -99; k <= 99; ++k) {
            const Problem p = make(inTenths, -50, " + ", k + 50); // result k tenths
            const QString point = QString::number(k / 10.0, 'f', 1);
            QVERIFY2(controleer(p, point, 1).goed, qPrintable(point));
            QVERIFY2(controleer(p, QString(point).replace('.', ','), 1).goed, qPrintable(point));
            QVERIFY2(!controleer(p, QString::number(k), 1).goed || k == 0, qPrintable(point));
        }
    }

    // An empty feedback means the answer is right; an empty line is not checked.
    void verdicts_data()
    {
        QTest::addColumn<Problem>("problem");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("speler");
        QTest::addColumn<QString>("fout");
        QTest::addColumn<QString>("regel");
        const Problem s = make(plain, -5, " + ", 12);
        QTest::newRow("result asked: the text as typed") << s << " 7,0" << 1 << ""
                                                         << " -5 +   12 =  7,0   Goed";
        QTest::newRow("result asked: player 1 writes 'Fout, het'")
            << s << "-7" << 1 << "nee, het is  7"
            << " -5 +   12 = -7   Fout, het is  7";
        QTest::newRow("result asked: player 2 writes 'Fout ,het'")
            << s << "-7" << 2 << "nee, het is  7"
            << " -5 +   12 = -7   Fout ,het is  7";
        QTest::newRow("tenths: single precision shown without leading zero")
            << make(inTenths, -12, " + ", 17) << "5" << 1 << "nee, het is  .5"
            << " -1.2 +   1.7 = 5   Fout, het is  .5";
        QTest::newRow("hidden term after plus: -14 + ... = -20 needs -6")
            << make(hiddenSecond, -14, " + ", -6) << "-6" << 1 << ""
            << " -14 +  .... = -20    Antw: -6   Goed";
        QTest::newRow("hidden term: player 1 also writes 'Fout ,het'")
            << make(hiddenSecond, -14, " + ", -6) << "6" << 1 << "nee, het is -6"
            << " -14 +  .... = -20    Antw: 6   Fout ,het is -6";
        QTest::newRow("hidden term after minus: -14 - ... = -20 needs 6")
            << make(hiddenSecond, -14, " - ", 6) << "-6" << 1 << "nee, het is  6"
            << "";
        QTest::newRow("hidden factor") << product(-7, 3, true) << "-3" << 2 << "nee, het is  3"
                                       << " -7 x  .... = -21    Antw: -3   Fout ,het is  3";
        QTest::newRow("product asked") << product(-7, -3) << "-21" << 1 << "nee, het is  21"
                                       << " -7 x  -3 = -21   Fout, het is  21";
        QTest::newRow("three terms: times before plus")
            << threeTerms(-4, 1, 3, 2, -2, -10) << "-10" << 1 << ""
            << "";
        QTest::newRow("three terms: left to right is wrong")
            << threeTerms(-4, 1, 3, 2, -2, -10) << "2" << 1 << "nee, het is -10"
            << " -4 +      3   x   -2 = 2   Fout, het is -10";
    }
    void verdicts()
    {
        QFETCH(Problem, problem);
        QFETCH(QString, typed);
        QFETCH(int, speler);
        QFETCH(QString, fout);
        QFETCH(QString, regel);
        const run::Verdict v = controleer(problem, typed, speler);
        QCOMPARE(v.goed, fout.isEmpty());
        if (!v.goed)
            QCOMPARE(v.fout, fout);
        if (!regel.isEmpty())
            QCOMPARE(v.verslag, QStringList{regel});
    }
};

TK_TEST(CheckTest)
#include "check_test.moc"
