// The overview's mastery estimates on classes of simulated pupils whose true
// chance of a right answer per level is known, written as the metric form
// writes its results: the estimates lie close to the truth; stuck pupils are
// marked, improving ones not; the advice; the kinds of problems.
#include "app/overview/folderreader.h"
#include "app/overview/mastery.h"
#include "app/overview/problemkinds.h"
#include "exercises/metric/metriccheck.h"
#include "exercises/metric/metricproblem.h"
#include "run/resultsfile.h"
#include "run/rules.h"
#include "rundriver.h"
#include "testmain.h"

#include <cmath>

using namespace overview;

namespace {
const double difficulty[] = {-1.0, 0.0, 1.0}; // true, of metric levels 1 to 3

double truth(int pupil, int level)
{
    const double ability = -1.0 + 3.0 * pupil / 29;
    return 1 / (1 + std::exp(difficulty[level - 1] - ability));
}

// A player's results text of a metric run, as the form writes it: rights[k]
// tells whether answer k is right.
QString metricPart(const QString& name, int level, const QList<bool>& rights,
                   common::Random& random)
{
    run::Player player{name, 0, int(rights.size()), 0, {}};
    player.log = results::header(name);
    for (qsizetype k = 0; k < rights.size(); ++k) {
        const metric::Problem p = metric::generate(level > 3 ? int(k % 3) + 1 : level, random);
        const QString typed = p.answerText.trimmed() + (rights[k] ? "" : "1");
        player.log += "\r\n" + metric::check(p, typed).log.first();
        player.score += rights[k] ? 1 : 0;
    }
    return player.log + run::endResult(player);
}

QList<const Record*> pointers(const QList<Record>& records)
{
    QList<const Record*> out;
    for (const Record& r : records)
        out.append(&r);
    return out;
}
} // namespace

class OverviewMasteryTest : public QObject {
    Q_OBJECT
    std::unique_ptr<tktest::FixedRun> fixed; // its clock writes the dates

private slots:
    void init() { fixed = std::make_unique<tktest::FixedRun>(); }
    void cleanup() { fixed.reset(); }

    // 30 pupils, two lessons a week for six weeks, each lesson a run of ten
    // problems at every level, two pupils to a block.
    void estimatesFollowTheTrueChances()
    {
        common::SeededRandom random(25);
        QByteArray files[3]; // of levels 1 to 3
        const QDate start(2026, 9, 7);
        for (int lesson = 0; lesson < 12; ++lesson) {
            fixed->clock->date =
                start.addDays(lesson / 2 * 7 + lesson % 2 * 3).toString("d-M-yyyy");
            for (int level = 1; level <= 3; ++level) {
                fixed->clock->time = QString("10:%1").arg(level * 10);
                for (int pair = 0; pair < 15; ++pair) {
                    QString parts[2];
                    for (int p = 0; p < 2; ++p) {
                        const int pupil = 2 * pair + p;
                        QList<bool> rights;
                        for (int k = 0; k < 10; ++k)
                            rights << (random.rnd() < truth(pupil, level));
                        parts[p] =
                            metricPart(QString("Leerling %1").arg(pupil), level, rights, random);
                    }
                    files[level - 1] += results::block(parts[0], parts[1]).toUtf8();
                }
            }
        }
        QList<Record> records;
        for (int level = 1; level <= 3; ++level)
            records += readBlocks(files[level - 1], {2, level}).records;
        const Mastery m = estimateMastery(pointers(records));
        // Within 0.10 of the truth everywhere also ranks the pupils as the
        // truth does, but for neighbours whose true chances lie that close.
        for (int level = 1; level <= 3; ++level) {
            for (int pupil = 0; pupil < 30; ++pupil) {
                const LevelMastery* l = m.find(QString("Leerling %1").arg(pupil), 2, level);
                QVERIFY(l);
                QCOMPARE(l->answers, 120);
                QVERIFY2(std::abs(l->chance - truth(pupil, level)) <= 0.10,
                         qPrintable(QString("pupil %1 level %2: %3 against %4")
                                        .arg(pupil)
                                        .arg(level)
                                        .arg(l->chance)
                                        .arg(truth(pupil, level))));
            }
        }
    }

    void stuckAndAdvice_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");         // answers per run
        QTest::addColumn<QList<int>>("rights"); // right answers of a run a day from 1-12
        QTest::addColumn<int>("stuckSince");    // day of December; 0: not stuck
        QTest::addColumn<QString>("advice");    // empty: not checked
        // clang-format off
        QTest::newRow("flat under 60 % is stuck, goes back")
            << 2 << 10 << QList<int>{4, 3, 4, 3} << 2 << "terug naar Metriek: lengten";
        QTest::newRow("falling under 60 % is stuck") << 3 << 10 << QList<int>{8, 5, 3, 2} << 2 << "";
        QTest::newRow("steadily improving is not") << 1 << 10 << QList<int>{1, 2, 3, 4, 5} << 0 << "";
        QTest::newRow("improving with a dip is not") << 1 << 10 << QList<int>{2, 4, 3, 5} << 0 << "";
        QTest::newRow("a run at 60 % is not") << 1 << 10 << QList<int>{5, 6, 4, 3} << 0 << "";
        QTest::newRow("two runs are too few") << 1 << 10 << QList<int>{2, 2} << 0 << "";
        QTest::newRow("all right moves on")
            << 1 << 10 << QList<int>{10, 10, 10, 10} << 0 << "door naar Metriek: oppervlakten";
        QTest::newRow("all right at the last level")
            << 4 << 10 << QList<int>{10, 10, 10, 10} << 0 << "Metriek: door elkaar beheerst";
        QTest::newRow("half right stays")
            << 2 << 10 << QList<int>{7, 6, 7, 6} << 0 << "verder oefenen met Metriek: oppervlakten";
        // clang-format on
    }
    void stuckAndAdvice()
    {
        QFETCH(int, level);
        QFETCH(int, count);
        QFETCH(QList<int>, rights);
        common::SeededRandom random(7);
        QByteArray file;
        for (qsizetype run = 0; run < rights.size(); ++run) {
            fixed->clock->date = QString("%1-12-2026").arg(run + 1);
            QList<bool> answers;
            for (int k = 0; k < count; ++k)
                answers << (k < rights[run]);
            file += results::block(metricPart("Anna", level, answers, random), {}).toUtf8();
        }
        const QList<Record> records = readBlocks(file, {2, level}).records;
        QCOMPARE(records.size(), rights.size());
        const Mastery m = estimateMastery(pointers(records));
        const LevelMastery* l = m.find("Anna", 2, level);
        QVERIFY(l);
        QTEST(l->stuck ? l->stuckSince.day() : 0, "stuckSince");
        QCOMPARE(chanceText(*l) == "te weinig gegevens", count * rights.size() < 10);
        QFETCH(QString, advice);
        if (!advice.isEmpty())
            QCOMPARE(adviceText(*m.adviceOf("Anna", 2)), advice);
    }

    void problemKinds_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("number"); // of the answer in its run
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("correct");
        QTest::addColumn<QString>("kind");
        // clang-format off
        QTest::newRow("sums: operations and signs") << 3 << 4 << 0 << "-4 +      3   x   -2" << "-10" << "-n + n x -n";
        QTest::newRow("sums: the number asked for") << 3 << 4 << 1 << "-7 x  .... = -21" << "3" << "-n x .... = -n";
        QTest::newRow("percentages: the question") << 1 << 0 << 0 << "100 % = 40  Hoeveel % is 4 ?" << "10" << "n % = n Hoeveel % is n ?";
        QTest::newRow("brackets: the form") << 4 << 1 << 0 << "3x(2x + 5)" << "6x²+15x" << "nx(nx + n)";
        QTest::newRow("equations, mixed: the problem's level") << 6 << 7 << 8 << "3x + 5 =  17" << "4" << "weegschaal 1";
        QTest::newRow("graphs: a parabola") << 7 << 7 << 0 << "y= 2(x-1)^2 + 3" << "" << "parabool";
        QTest::newRow("graphs: a sine") << 7 << 7 << 0 << "y= 2sin(x)" << "" << "gonio";
        // clang-format on
    }
    void problemKinds()
    {
        QFETCH(int, option);
        QFETCH(int, level);
        QFETCH(int, number);
        Answer a;
        QFETCH(QString, problem);
        QFETCH(QString, correct);
        a.problem = problem;
        a.correct = correct;
        QTEST(problemKind(option, level, number, a), "kind");
    }
};

TK_TEST(OverviewMasteryTest)
#include "overview_mastery_test.moc"
