#include "common/numbertext.h"
#include "common/random.h"
#include "scriptedrandom.h"
#include "testmain.h"

#include <cfloat>

using namespace common;
using tktest::ScriptedRandom;

class NumberTextTest : public QObject {
    Q_OBJECT
private slots:
    void numbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("single"); // 7 digits, from a float
        QTest::addColumn<QString>("text");
        QTest::newRow("whole positive gets a blank") << 23.0 << false << " 23";
        QTest::newRow("no zero before the point") << 0.5 << false << " .5";
        QTest::newRow("negative below one") << -0.3 << false << "-.3";
        QTest::newRow("negative zero") << -0.0 << false << " 0";
        QTest::newRow("fifteen digits") << 123456789012345.0 << false << " 123456789012345";
        QTest::newRow("exponent from 1E15") << 1e15 << false << " 1E+15";
        QTest::newRow("rounds to 1E15") << 999999999999999.9 << false << " 1E+15";
        QTest::newRow("big with fraction digits") << 1.5e20 << false << " 1.5E+20";
        QTest::newRow("three-digit exponent") << 2e300 << false << " 2E+300";
        QTest::newRow("small stays fixed") << 0.00001 << false << " .00001";
        QTest::newRow("fifteen decimals stay fixed") << 1e-15 << false << " .000000000000001";
        QTest::newRow("sixteen decimals go to exponent") << 1e-16 << false << " 1E-16";
        QTest::newRow("binary fraction hidden by 15 digits") << 0.1 + 0.2 << false << " .3";
        QTest::newRow("1.1 km in cm") << 110000.00000000001 << false << " 110000";
        QTest::newRow("negative exponent form") << -3e-20 << false << "-3E-20";
        QTest::newRow("tenth in single") << 1.7 << true << " 1.7";
        QTest::newRow("seven digits") << 1234567.0 << true << " 1234567";
        QTest::newRow("exponent from 1E7") << 12345678.0 << true << " 1.234568E+07";
        QTest::newRow("1E7 itself") << 1e7 << true << " 1E+07";
        QTest::newRow("small fixed") << 0.0000001 << true << " .0000001";
        QTest::newRow("small exponent") << 1.5e-7 << true << " 1.5E-07";
    }
    void numbers()
    {
        QFETCH(double, value);
        QFETCH(bool, single);
        QTEST(single ? StrSingle(float(value)) : Str(value), "text");
    }

    void integers() { QCOMPARE(Str(-7), QString("-7")); }

    void reading_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("comma after replacement") << commaToPoint("0,5") << 0.5;
        QTest::newRow("only first comma replaced") << commaToPoint("1,2,3") << 1.2;
        QTest::newRow("second point ends the number") << "1.2.3" << 1.2;
        QTest::newRow("lone minus") << "-" << 0.0;
        QTest::newRow("leading blanks and trailing text") << "  12abc" << 12.0;
        QTest::newRow("negative point first") << "-.25" << -0.25;
        QTest::newRow("plus sign") << "+4" << 4.0;
        QTest::newRow("exponent") << "1.5E3" << 1500.0;
        QTest::newRow("lower-case exponent with sign") << "2e-2" << 0.02;
        QTest::newRow("exponent without digits is not read") << "3E" << 3.0;
        QTest::newRow("blank inside ends the number") << "1 2" << 1.0;
        QTest::newRow("too large reads as the largest double") << "1e999" << DBL_MAX;
    }
    void reading()
    {
        QFETCH(QString, typed);
        QTEST(Val(typed), "value");
    }

    void drawsFollowIntOfRndTimesN()
    {
        ScriptedRandom r({0.0, 0.999999, ScriptedRandom::pick(3, 10), 0.5});
        QCOMPARE(r.draw(6, 1), 1);
        QCOMPARE(r.draw(6, 1), 6);
        QCOMPARE(r.draw(10, 0), 3);
        QCOMPARE(r.draw(5, -2), 0);
        const double after = r.rnd(); // script used up: falls back, stays in range
        QVERIFY(after >= 0 && after < 1);
    }
};

TK_TEST(NumberTextTest)
#include "numbertext_test.moc"
