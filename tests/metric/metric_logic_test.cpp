#include "common/numbertext.h"
#include "common/random.h"
#include "exercises/metric/metriccheck.h"
#include "exercises/metric/metricexplanation.h"
#include "exercises/metric/metricproblem.h"
#include "exercises/metric/metricunits.h"
#include "scriptedrandom.h"
#include "testmain.h"

#include <cmath>
#include <set>

using namespace metric;
using tktest::ScriptedRandom;

namespace {

const QString cr(QChar(13));

// Scripts the four draws of one problem: from-unit, to-unit, digits, power.
void script(ScriptedRandom& r, int level, int from, int to, int g, int e)
{
    const int n = unitCount(level);
    r.addDraws({from - 1, n, to - 1, n, g - 1, 1000, e, 6});
}

// Each unit's size in mm, mm² or mm³, written out independently of the tables.
double inMillimeters(int level, const QString& unit)
{
    static const QHash<QString, double> lengthsInMm{
        {"mm", 1}, {"cm", 10}, {"dm", 100}, {"m", 1e3}, {"dam", 1e4}, {"hm", 1e5}, {"km", 1e6}};
    static const QHash<QString, double> areasInMm{
        {"mm²", 1},    {"cm²", 1e2},  {"dm²", 1e4}, {"m²", 1e6},  {"dam²", 1e8},
        {"hm²", 1e10}, {"km²", 1e12}, {"are", 1e8}, {"ha", 1e10}, {"ca", 1e6}};
    static const QHash<QString, double> volumesInMm{{"mm³", 1},  {"cm³", 1e3},   {"dm³", 1e6},
                                                    {"m³", 1e9}, {"liter", 1e6}, {"cl", 1e4},
                                                    {"ml", 1e3}, {"cc", 1e3}};
    const auto& table = level == 1 ? lengthsInMm : level == 2 ? areasInMm : volumesInMm;
    if (!table.contains(unit))
        qFatal("unknown unit");
    return table.value(unit);
}

const QString line49 = cr + QString(49, '_') + cr + cr;

} // namespace

class MetricLogicTest : public QObject {
    Q_OBJECT
private slots:
    void generatedProblemsKeepTheRules_data()
    {
        QTest::addColumn<int>("level");
        QTest::newRow("lengths") << 1;
        QTest::newRow("areas") << 2;
        QTest::newRow("volumes") << 3;
    }
    void generatedProblemsKeepTheRules()
    {
        QFETCH(int, level);
        common::SeededRandom random(20261206 + level);
        std::set<QString> unitsSeen;
        for (int i = 0; i < 20000; ++i) {
            const Problem o = generate(level, random);
            const double from = inMillimeters(level, o.fromUnit);
            const double to = inMillimeters(level, o.toUnit);
            QVERIFY2(from != to,
                     qPrintable(o.fromUnit + " " + o.toUnit)); // are/dam², liter/dm³
            const QString shown = common::Str(o.answer);
            QVERIFY2(shown.size() < 10 && !shown.contains('E'), qPrintable(shown));
            // The answer is the given number converted.
            const double expected = common::Val(o.number) * from / to;
            QVERIFY(std::fabs(o.answer - expected) <= 1e-12 * expected);
            // The answer as shown, typed back, is right.
            const QString typed = o.answerText.trimmed();
            QVERIFY2(check(o, typed).right, qPrintable(o.number + " " + o.fromUnit));
            unitsSeen.insert(o.fromUnit);
            unitsSeen.insert(o.toUnit);
        }
        // The rules must not shut any unit out.
        QCOMPARE(int(unitsSeen.size()), unitCount(level));
    }

    // The binary value is a hair off 110000; a hair more than that is wrong.
    void onePointOneKilometreInCentimetres()
    {
        ScriptedRandom r;
        script(r, 1, 7, 2, 11, 1);
        const Problem o = generate(1, r);
        QVERIFY(check(o, "110000,0").right);
        QCOMPARE(check(o, "110001").history,
                 " 1.1 km = 110001 cm" + cr + " Fout ,het is  110000 cm");
    }

    // Which way, how far and how the point moves: the sentence that says so;
    // "" for edges the sweep cannot see, none for pairs of units refused.
    void explanations_data()
    {
        QTest::addColumn<QList<int>>("draws"); // level, from, to, g, e as script() takes them
        QTest::addColumn<QString>("sentence");
        // clang-format off
        QTest::newRow("lengths, whole text") << QList<int>{1, 1, 4, 25, 0}
            << " 25 mm = ........... m" + cr + cr + cr + "mm      cm      dm      m      dam      hm      km" + cr + QString(39, '_') + cr + cr
               + "Van   mm   naar   m   is  3 stapjes naar rechts," + cr + "dus delen door  1000 (de komma  3 naar links," + cr
               + "zet eerst een komma achter het getal)" + cr + cr + "Het antwoord is :  0.025";
        QTest::newRow("right, one step, point") << QList<int>{1, 2, 3, 25, 1}
            << "1 stapje naar rechts," + cr + "dus delen door  10 (de komma  1 naar links," + cr + "vul het getal voor aan met nullen)";
        QTest::newRow("left, whole number") << QList<int>{1, 7, 4, 25, 0}
            << "dus vermenigvuldigen met  1000 (de komma  3 naar rechts," + cr + "zet eerst een komma achter het getal en vul aan met nullen)";
        QTest::newRow("left, point, ends in 0") << QList<int>{1, 3, 1, 25, 1}
            << "(de komma  2 naar rechts," + cr + "vul het getal achter eerst aan met nullen)";
        QTest::newRow("left, point, no 0") << QList<int>{1, 3, 2, 255, 2}
            << "1 stapje naar links," + cr + "dus vermenigvuldigen met  10 (de komma  1 naar rechts)" + cr;
        QTest::newRow("area right, are") << QList<int>{2, 8, 6, 25, 1}
            << "1 are = 1 dam²" + line49 + "Van   are   naar   hm²   is  1 stapje naar rechts." + cr + "Elk stapje telt voor 100, dus delen door  100";
        QTest::newRow("area left, ha") << QList<int>{2, 9, 4, 3, 0}
            << "1 ha = 100 are = 100 dam² = 1 hm²" + line49 + "Van   ha   naar   m²   is  2 stapjes naar links." + cr + "Elk stapje telt voor 100, dus vermenigvuldigen met  10000";
        QTest::newRow("area left, ca") << QList<int>{2, 5, 10, 15, 1}
            << "1 ca = 0.01 are = 0.01 dam² = 1 m²";
        QTest::newRow("volume from cl") << QList<int>{3, 6, 2, 25, 0}
            << "Dan nog delen door 100 omdat 1 cl = 0.01 dm³";
        QTest::newRow("answer of nine characters: 10 km in mm") << QList<int>{1, 7, 1, 10, 0} << QString("");
        QTest::newRow("small answer in fixed form") << QList<int>{1, 1, 7, 1, 0} << QString("");
        QTest::newRow("ha with km2") << QList<int>{2, 9, 7, 25, 0} << QString();
        QTest::newRow("ca with dam2") << QList<int>{2, 10, 5, 25, 0} << QString("");
        QTest::newRow("liter with m3") << QList<int>{3, 5, 4, 25, 0} << QString("");
        QTest::newRow("ml with dm3") << QList<int>{3, 7, 3, 25, 0} << QString();
        QTest::newRow("volume to cl") << QList<int>{3, 2, 6, 5, 0}
            << "(de komma  3 naar links, zet eerst een komma achter het getal)" + cr + "Dan nog vermenigvuldigen met 100 omdat 1 dm³ = 100 cl";
        // clang-format on
    }
    void explanations()
    {
        QFETCH(QList<int>, draws);
        QFETCH(QString, sentence);
        const int level = draws[0];
        ScriptedRandom r;
        script(r, level, draws[1], draws[2], draws[3], draws[4]);
        script(r, level, 2, 1, 25, 0); // a fit problem to fall back on
        const Problem o = generate(level, r);
        QCOMPARE(int(r.used()), sentence.isNull() ? 8 : 4);
        const QString u = explain(o);
        QVERIFY2(u.contains(sentence), qPrintable(u));
    }
};

TK_TEST(MetricLogicTest)
#include "metric_logic_test.moc"
