// Runs of every exercise that writes results, played with one and two
// players as pupils play them, read back by the class overview: every block
// comes back with its names, level, date, score, count and answers.
#include "app/formlist.h"
#include "app/overview/folderreader.h"
#include "common/numbertext.h"
#include "exercises/algebra/bracketsform.h"
#include "exercises/algebra/factoringform.h"
#include "exercises/equations/check.h"
#include "exercises/equations/equationsform.h"
#include "exercises/graphs/graphsform.h"
#include "exercises/metric/metricform.h"
#include "exercises/percentages/percentagesform.h"
#include "exercises/sums/sumsform.h"
#include "run/resultsfile.h"
#include "run/resultsfolder.h"
#include "rundriver.h"
#include "testmain.h"

#include <QDir>

using namespace tktest;

namespace {

QString typedPolynomial(QString answer)
{
    return answer.remove(QLatin1Char(' ')).replace("²", "^2").replace("³", "^3");
}

QString equationAnswer(const equations::Equation& v, int player)
{
    for (int twice = -80; twice <= 80; ++twice) {
        const QString text = QString::number(twice / 2.0);
        if (equations::check(v, player, text).right)
            return text;
    }
    return QStringLiteral("999");
}

// The right answer to the problem waiting for the player.
QString rightAnswer(RunForm* f, int player)
{
    if (auto* m = qobject_cast<MetricForm*>(f))
        return QString::number(m->problem.answer, 'g', 15);
    if (auto* p = qobject_cast<PercentagesForm*>(f))
        return p->problem.answerText.trimmed();
    if (auto* s = qobject_cast<SumsForm*>(f)) {
        const sums::Problem& p = s->problem;
        if (p.mode.secondHidden)
            return QString::number(p.number2);
        return QString::number(p.result() / (p.mode.tenths ? 10 : 1));
    }
    if (auto* h = qobject_cast<BracketsForm*>(f))
        return typedPolynomial(h->problem(player).answer);
    if (auto* o = qobject_cast<FactoringForm*>(f))
        return typedPolynomial(o->problem(player).answer);
    auto* v = qobject_cast<EquationsForm*>(f);
    return equationAnswer(player == 1 ? v->equation1 : v->equation2, player);
}

// The answer as its results line gives it: metric answers carry their unit,
// equations their letter.
QString givenInLine(RunForm* f, int player, const QString& typed)
{
    if (auto* m = qobject_cast<MetricForm*>(f))
        return common::commaToPoint(typed) + " " +
               (player == 1 ? m->toUnitLabel1 : m->toUnitLabel2)->caption().trimmed();
    if (auto* v = qobject_cast<EquationsForm*>(f))
        return (player == 1 ? v->equation1 : v->equation2).letter + " = " + typed;
    if (qobject_cast<PercentagesForm*>(f))
        return common::commaToPoint(typed);
    return typed;
}

// Words of the results lines typed after the number, which is all that
// counts: they must not change how the line reads. Polynomials take none.
QString typedWords(RunForm* f, bool wrong)
{
    if (qobject_cast<BracketsForm*>(f) || qobject_cast<FactoringForm*>(f))
        return QString();
    if (wrong)
        return QStringLiteral(" ? = 2 Antw: 3   Goed");
    return QStringLiteral(" Antw: 2 = 1 ? Fout ,het is 3 Fout, het is 4 eindresultaat:  9 goed "
                          "van de  9");
}

struct Played {
    QStringList given;
    QList<bool> right;
};

QList<overview::Record> readBack(int option, int level)
{
    const QString name = QFileInfo(results::fileName(option, level)).fileName();
    const QString folder = results::folder().isEmpty() ? QDir::currentPath() : results::folder();
    QList<overview::Record> records;
    for (const overview::FileState& f : overview::readFolder(folder)) {
        if (f.relativeName == name)
            records = f.read.records;
        if (f.read.skipped || f.read.tornTail)
            qWarning("blocks skipped in %s", qPrintable(f.relativeName));
    }
    return records;
}

void compareRuns(const QList<overview::Record>& records, int option, int level, int players,
                 const Played* played)
{
    QCOMPARE(records.size(), players);
    const QString names[2] = {"Anna", "Brâm"};
    for (int p = 0; p < players; ++p) {
        const overview::Record& r = records[p];
        QCOMPARE(r.name, names[p]);
        QCOMPARE(r.option, option);
        QCOMPARE(r.level, level);
        QCOMPARE(r.when, QDateTime(QDate(2026, 12, 6), QTime(10, 15)));
        QCOMPARE(r.count, played[p].given.size());
        QStringList given;
        QList<bool> right;
        for (qsizetype i = 0; i < r.answerCount(); ++i) {
            const overview::Answer a = r.answer(i);
            QVERIFY(!a.problem.isEmpty());
            given << a.given;
            right << a.right;
            QCOMPARE(a.correct.isEmpty(), a.right);
        }
        QCOMPARE(given, played[p].given);
        QCOMPARE(right, played[p].right);
        if (option != 7)
            QCOMPARE(r.score, int(played[p].right.count(true)));
    }
}

} // namespace

class OverviewRoundTripTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }
    void init()
    {
        removeResultsFiles();
        QDir("gedeeld").removeRecursively();
    }

    void runForms_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("players");
        const struct {
            const char* form;
            int option, level;
        } forms[] = {{"procenten", 1, 0},     {"metriek", 2, 4},   {"sommen", 3, 4},
                     {"haakjes", 4, 5},       {"ontbinden", 5, 1}, {"vergelijkingen", 6, 1},
                     {"vergelijkingen", 6, 7}};
        for (const auto& f : forms)
            for (int players = 1; players <= 2; ++players)
                QTest::addRow("%s %d, %d players", f.form, f.level, players)
                    << f.form << f.option << f.level << players;
    }
    void runForms()
    {
        QFETCH(QString, form);
        QFETCH(int, option);
        QFETCH(int, level);
        QFETCH(int, players);
        Session s;
        // Two players write in a results folder of their own, one in the working directory.
        results::setFolder(players == 2 ? QDir::current().filePath("gedeeld") : QString());
        QDir().mkpath(QDir::current().filePath("gedeeld"));
        choose(players, "Anna", "Brâm", std::max(level, 1), "Keuze");
        auto* f = open<RunForm>(form);
        QVERIFY(f);
        Played played[2];
        for (int nr = 1; nr <= 3; ++nr) { // the mixed equations: levels 2, 3, 4
            for (int p = 1; p <= players; ++p) {
                QVERIFY(f->timer->fire());
                ui::TextBox* box = p == 1 ? f->answerBox1 : f->answerBox2;
                const bool wrong = nr == 2 || (nr == 3 && p == 2);
                type(box,
                     (wrong ? QStringLiteral("1000") : rightAnswer(f, p)) + typedWords(f, wrong));
                played[p - 1].given << givenInLine(f, p, box->text());
                played[p - 1].right << (p == 1 ? f->feedbackLabel1 : f->feedbackLabel2)
                                           ->caption()
                                           .startsWith("Goedzo");
            }
        }
        f->close();
        flushUnloads();
        compareRuns(readBack(option, level), option, level, players, played);
        results::setFolder(QString());
        QCOMPARE(QFile::exists(results::fileName(option, level)), players == 1);
    }

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
        choose(players, "Anna", "Brâm", 1, "Lijnen niveau 1");
        auto* f = open<GraphsForm>("grafieken");
        Played played[2];
        QList<int> points[2];
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
                played[p].given << target.trimmed();
                played[p].right << true;
                points[p] << (nr == 2 && p == 0 ? 5 : 10);
                click(f->nextButton);
            }
        }
        f->close();
        flushUnloads();
        const QList<overview::Record> records = readBack(7, 1);
        compareRuns(records, 7, 1, players, played);
        for (int p = 0; p < players; ++p) {
            QCOMPARE(records[p].score, points[p][0] + points[p][1]);
            QCOMPARE(records[p].answer(1).points, points[p][1]);
            QCOMPARE(records[p].answer(1).attempts, p == 0 ? 2 : 1);
        }
    }
};

TK_TEST(OverviewRoundTripTest)
#include "overview_roundtrip_test.moc"
