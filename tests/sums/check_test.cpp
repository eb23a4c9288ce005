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
            const Problem p = tenths(-50, 1, k + 50); // result k tenths
            const QString point = QString::number(k / 10.0, 'f', 1);
            QString comma = point;
            comma.replace('.', ',');
            QVERIFY2(controleer(p, point, 1).goed, qPrintable(point));
            QVERIFY2(controleer(p, comma, 1).goed, qPrintable(comma));
            QVERIFY2(!controleer(p, QString::number(k), 1).goed || k == 0, qPrintable(point));
        }
    }

    void decimalSums_data()
    {
        QTest::addColumn<double>("g1");
        QTest::addColumn<int>("teken");
        QTest::addColumn<double>("g2");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("goed");
        QTest::addColumn<QString>("feedback");
        QTest::newRow("comma for -1.3") << -25.0 << 1 << 12.0 << "-1,3" << true << "";
        QTest::newRow("point for -1.3") << -25.0 << 1 << 12.0 << "-1.3" << true << "";
        QTest::newRow("tenths typed as whole")
            << -25.0 << 1 << 12.0 << "-13" << false << "nee, het is -1.3";
        QTest::newRow("no zero before the point")
            << -12.0 << 1 << 15.0 << "3" << false << "nee, het is  .3";
        QTest::newRow("whole tenth without point") << -12.0 << -1 << -32.0 << "2" << true << "";
        QTest::newRow("second comma ends the number")
            << -12.0 << -1 << -41.0 << "2,9,1" << true << "";
    }
    void decimalSums()
    {
        QFETCH(double, g1);
        QFETCH(int, teken);
        QFETCH(double, g2);
        QFETCH(QString, typed);
        QFETCH(bool, goed);
        QFETCH(QString, feedback);
        const Verdict v = controleer(tenths(g1, teken, g2), typed, 1);
        QCOMPARE(v.goed, goed);
        if (!goed)
            QCOMPARE(v.fout, feedback);
    }

    void resultAskedLines()
    {
        const Problem p = sum(-5, 1, 12);
        QCOMPARE(controleer(p, "7", 1).regel, QString(" -5 +   12 = 7   Goed"));
        QCOMPARE(controleer(p, "-7", 1).regel, QString(" -5 +   12 = -7   Fout, het is  7"));
        QCOMPARE(controleer(p, "-7", 2).regel, QString(" -5 +   12 = -7   Fout ,het is  7"));
        // The text as typed, comma included.
        QCOMPARE(controleer(p, " 7,0", 1).regel, QString(" -5 +   12 =  7,0   Goed"));
    }

    void decimalLineShowsSinglePrecisionTenth()
    {
        const Problem p = tenths(-12, 1, 17);
        QCOMPARE(controleer(p, "5", 1).regel, QString(" -1.2 +   1.7 = 5   Fout, het is  .5"));
    }

    void hiddenNumber_data()
    {
        QTest::addColumn<int>("teken");
        QTest::addColumn<double>("g2");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("goed");
        QTest::newRow("minus: -14 - ... = -20 needs 6") << -1 << 6.0 << "6" << true;
        QTest::newRow("minus: the opposite sign is wrong") << -1 << 6.0 << "-6" << false;
        QTest::newRow("plus: -14 + ... = -20 needs -6") << 1 << -6.0 << "-6" << true;
        QTest::newRow("plus: the size alone is wrong") << 1 << -6.0 << "6" << false;
    }
    void hiddenNumber()
    {
        QFETCH(int, teken);
        QFETCH(double, g2);
        QFETCH(QString, typed);
        QFETCH(bool, goed);
        const Problem p = hidden(-14, teken, g2);
        QCOMPARE(p.row.labels[4], QString("-20"));
        QCOMPARE(controleer(p, typed, 1).goed, goed);
    }

    void hiddenNumberLines()
    {
        const Problem p = hidden(-14, 1, -6);
        QCOMPARE(controleer(p, "-6", 1).regel, QString(" -14 +  .... = -20    Antw: -6   Goed"));
        // Both players' wrong line has the comma before "het".
        for (int speler : {1, 2})
            QCOMPARE(controleer(p, "6", speler).regel,
                     QString(" -14 +  .... = -20    Antw: 6   Fout ,het is -6"));
        QCOMPARE(controleer(p, "6", 1).fout, QString("nee, het is -6"));
    }

    void hiddenFactor()
    {
        const Problem p = product(-7, 3, true);
        QCOMPARE(p.row.labels[4], QString("-21"));
        QVERIFY(controleer(p, "3", 2).goed);
        QCOMPARE(controleer(p, "-3", 2).regel,
                 QString(" -7 x  .... = -21    Antw: -3   Fout ,het is  3"));
    }

    void productAsked()
    {
        const Problem p = product(-7, -3);
        QVERIFY(controleer(p, "21", 1).goed);
        QCOMPARE(controleer(p, "-21", 1).regel, QString(" -7 x  -3 = -21   Fout, het is  21"));
    }

    void threeTermsMultiplyFirst()
    {
        const Problem p = threeTerms(-4, 1, 3, 2, -2, -10);
        QVERIFY(controleer(p, "-10", 1).goed);
        QVERIFY(!controleer(p, "2", 1).goed); // left to right would give 2
        QCOMPARE(controleer(p, "2", 1).regel,
                 QString(" -4 +      3   x   -2 = 2   Fout, het is -10"));
    }

    void textThatIsNoNumber_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("goed");
        QTest::newRow("letters read as 0") << "abc" << false;
        QTest::newRow("number at the start is read") << "7abc" << true;
        QTest::newRow("leading blanks skipped") << "   7" << true;
    }
    void textThatIsNoNumber()
    {
        QFETCH(QString, typed);
        QFETCH(bool, goed);
        QCOMPARE(controleer(sum(-5, 1, 12), typed, 1).goed, goed);
    }
};

TK_TEST(CheckTest)
#include "check_test.moc"
