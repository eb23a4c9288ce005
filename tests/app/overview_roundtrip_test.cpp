// Runs of the graph exercise, played with one and two players as pupils play
// them, read back by the class overview: every block comes back with its
// names, level, date, points, count, attempts and answers. Runs of the other
// exercises come back in the catalogue's test.
#include "app/formlist.h"
#include "app/overview/folderreader.h"
#include "exercises/graphs/graphsform.h"
#include "rundriver.h"
#include "testmain.h"

#include <QDir>

using namespace tktest;

class OverviewRoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }
    void init() { removeResultsFiles(); }

    void graphs_data()
    {
        QTest::addColumn<int>("players");
        QTest::newRow("one player") << 1;
        QTest::newRow("two players") << 2;
    }
    void graphs()
    {
        QFETCH(int, players);
        Session s;
        const QString names[2] = {"Anna", "Brâm"};
        choose(players, names[0], names[1], 1, "Lijnen niveau 1");
        auto* f = open<GraphsForm>("grafieken");
        QStringList given[2];
        for (int nr = 1; nr <= 2; ++nr) {
            for (int p = 0; p < players; ++p) {
                const QString target = f->game.targetFormula;
                if (nr == 2 && p == 0) { // one wrong formula first: 5 points
                    f->answerBox->clear();
                    type(f->answerBox, "31    5 pt."); // read as a formula, not as points
                    click(f->nextButton);
                }
                f->answerBox->clear();
                type(f->answerBox, target);
                given[p] << target.trimmed();
                click(f->nextButton);
            }
        }
        f->close();
        flushUnloads();
        QList<overview::Record> records;
        for (const overview::FileState& state : overview::readFolder(QDir::currentPath()))
            if (state.relativeName == "oefset7_1.txt")
                records = state.read.records;
        QCOMPARE(records.size(), players);
        for (int p = 0; p < players; ++p) {
            const overview::Record& r = records[p];
            QCOMPARE(r.name, names[p]);
            QCOMPARE(r.option, 7);
            QCOMPARE(r.level, 1);
            QCOMPARE(r.when, QDateTime(QDate(2026, 12, 6), QTime(10, 15)));
            QCOMPARE(r.count, 2);
            QCOMPARE(r.score, p == 0 ? 15 : 20);
            for (int i = 0; i < 2; ++i) {
                const overview::Answer a = r.answer(i);
                QVERIFY(!a.problem.isEmpty() && a.right && a.correct.isEmpty());
                QCOMPARE(a.given, given[p][i]);
                QCOMPARE(a.points, i == 1 && p == 0 ? 5 : 10);
                QCOMPARE(a.attempts, i == 1 && p == 0 ? 2 : 1);
            }
        }
    }
};

TK_TEST(OverviewRoundTripTest)
#include "overview_roundtrip_test.moc"
