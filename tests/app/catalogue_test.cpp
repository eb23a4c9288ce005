// Every level of every exercise run, chosen in the real menu and played by
// two pupils through its real form: the caption and prompts, Enter on an
// empty box, turns, the problems per run and the levels on the mixed level,
// the summary box, the results block in the results folder read back by the
// class overview, and the viewer's button for the file; and that a screen
// reader can read what the form shows at the start, on the first problems
// with their feedback and explanations, and in the summary. Each exercise's
// own texts and results lines are in its own folder's tests.
#include "app/formlist.h"
#include "app/menuform.h"
#include "app/overview/folderreader.h"
#include "app/viewerform.h"
#include "common/numbertext.h"
#include "exercises/algebra/bracketsform.h"
#include "exercises/algebra/factoringform.h"
#include "exercises/catalogue.h"
#include "exercises/equations/equationsform.h"
#include "exercises/metric/metricform.h"
#include "exposed.h"
#include "run/resultsfolder.h"
#include "rundriver.h"
#include "testmain.h"

#include <QDir>
#include <QRegularExpression>

using namespace tktest;

namespace {

// What a run of each exercise is, as the pupils know it: caption before the
// menu's choice, summary title, results number, problems per player at each
// level, and how many levels the mixed level turns through.
struct Known {
    const char* id;
    const char* caption;
    const char* title;
    int results;
    const char* problems;
    int cycle;
};
// clang-format off
const Known known[] = {
    {"procenten", "procenten", "procenten", 1, "10", 0},
    {"metriek", "metriek    ", "metriek", 2, "10 10 10 10", 3},
    {"sommen", "Sommen    ", "Sommen", 3, "20 20 20 20", 0},
    {"haakjes", "Haakjes wegwerken    ", "Haakjes wegwerken", 4, "10 10 10 10 10", 4},
    {"ontbinden", "Ontbinden    ", "Ontbinden", 5, "10 10 10 10", 3},
    {"vergelijkingen", "Vergelijkingen    ", "Vergelijkingen", 6, "20 20 20 20 10 10 10", 6},
};
// clang-format on

const QString names[2] = {"An", "Brâm"};
const QString wrong = "-98765";
// Words typed after the number, which is all that counts: they must not
// change how the results line reads (after a wrong and a right answer).
const QString words[2] = {" ? = 2 Antw: 3   Goed",
                          " Antw: 2 = 1 ? Fout ,het is 3 Fout, het is 4 eindresultaat:  9 goed "
                          "van de  9"};

// The level of the problem on the player's side, where the exercise mixes them.
int problemLevel(RunForm* f, int player)
{
    if (auto* m = qobject_cast<MetricForm*>(f))
        return m->problem.level;
    if (auto* b = qobject_cast<BracketsForm*>(f))
        return b->problem(player).level;
    if (auto* o = qobject_cast<FactoringForm*>(f))
        return o->problem(player).level;
    return qobject_cast<EquationsForm*>(f)->equationOf(player).level;
}

// The right answer a wrong one is told ("nee, het is  110000", "nee, x =  3 of
// x = -2"), as the pieces to type into the answer boxes.
QStringList told(QString feedback)
{
    feedback.remove(QRegularExpression("^nee, (het is )?"));
    QStringList pieces;
    for (const QString& part : feedback.split(" of "))
        pieces << part.section("= ", -1).trimmed();
    return pieces;
}

// The answer boxes of the form that take an answer now, left to right.
QList<QLineEdit*> openBoxes(QWidget* form)
{
    QList<QLineEdit*> open;
    for (QLineEdit* box : form->findChildren<QLineEdit*>())
        if (box->isVisibleTo(form) && box->isEnabled() && !box->isReadOnly())
            open << box;
    std::sort(open.begin(), open.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
    return open;
}

// Text without blanks, "," as "." (as metric and percentages lines give it).
QString bare(QString text)
{
    return text.remove(' ').replace(',', '.');
}

QString endResult(int right, int count)
{
    return QString("\r\n\r\neindresultaat: %1 goed van de %2\r\n")
        .arg(common::Str(right), common::Str(count));
}

} // namespace

class CatalogueTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerForms(); }
    void init()
    {
        QDir("gedeeld").removeRecursively();
        QDir().mkpath("gedeeld");
        results::setFolder(QDir::current().filePath("gedeeld"));
    }
    void cleanup() { results::setFolder(QString()); }

    void everyLevelPlayedThroughTheMenu_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("level");
        for (const catalogue::Exercise& e : catalogue::exercises())
            for (int level = e.levels.empty() ? 0 : 1; level <= int(e.levels.size()); ++level)
                if (e.resultsNumber && QLatin1String(e.id) != "grafieken")
                    QTest::addRow("%s %d", e.id, level) << QString(e.id) << level;
    }
    // Twice: first every answer wrong, which tells the right ones, then the
    // right ones but on every third problem.
    void everyLevelPlayedThroughTheMenu()
    {
        QFETCH(QString, id);
        QFETCH(int, level);
        const catalogue::Exercise& e = *catalogue::find(id);
        const Known& k = *std::find_if(std::begin(known), std::end(known),
                                       [&](const Known& x) { return id == x.id; });
        const int count = QString(k.problems).split(' ')[std::max(level, 1) - 1].toInt();
        const bool mixed = level != 0 && level == int(e.levels.size()) && k.cycle;
        const QString file = QString("oefset%1%2.txt")
                                 .arg(k.results)
                                 .arg(level ? QString("_%1").arg(level) : QString());
        const bool polynomials = id == "haakjes" || id == "ontbinden"; // take no words
        Session s;
        auto* m = open<MenuForm>("wismenu");
        RunForm* f = nullptr;
        bool timerWhileExplaining = false;
        s.messages.whileOpen = [&](const ui::Message&) {
            timerWhileExplaining |= f && f->timer->isEnabled();
        };
        QStringList answers[2];
        QList<QStringList> typed[2];
        QList<bool> right[2];
        for (const bool harvest : {true, false}) {
            common::setRandom(std::make_unique<common::SeededRandom>(level + 1)); // the same run
            click(m->menu[e.menu]);
            ui::Button* item = m->menu[e.firstButton + std::max(level, 1) - 1];
            const QString choice = item->caption();
            click(item);
            click(m->playerOptions()[1]);
            m->nameBox1()->setText(names[0]);
            m->nameBox2()->setText(names[1]);
            click(m->okButton());
            f = qobject_cast<RunForm*>(ui::FormRegistry::instance().find(id));
            QVERIFY(f && f->isVisible() && !m->isVisible());
            QCOMPARE(f->caption(), k.caption + (level ? choice : QString()));
            QCOMPARE(f->promptLabel1->caption(), QString(" Let op An !"));
            QVERIFY(!f->menuButton->isEnabled() && f->historyArea2->isVisible());
            if (harvest)
                CHECK_EXPOSED(f, s.messages);
            int score[2] = {0, 0};
            for (int nr = 1; nr <= count; ++nr) {
                for (int p = 1; p <= 2; ++p) {
                    QVERIFY(f->timer->fire());
                    QCOMPARE(f->promptLabel(p)->caption(),
                             QString(" %1  vul in ! (nr. %2)").arg(names[p - 1], common::Str(nr)));
                    QVERIFY(f->menuButton->isEnabled() && f->promptLabel(3 - p)->isHidden());
                    if (mixed)
                        QCOMPARE(problemLevel(f, p), (nr + p - 2) % k.cycle + 1);
                    const bool look = harvest && nr <= 4; // a fraction by the fourth
                    if (look)
                        CHECK_EXPOSED(f, s.messages);
                    if (nr == 1) { // Enter on an empty box changes nothing
                        QTest::keyClick(f->answerBox(p), Qt::Key_Return);
                        QVERIFY(f->answerBox(p)->isEnabled() && f->feedbackLabel(p)->isHidden());
                    }
                    const bool good = !harvest && (nr + p) % 3 != 0;
                    QStringList pieces = good ? answers[p - 1][nr - 1].split('|')
                                              : QStringList(openBoxes(f).size(), wrong);
                    if (!harvest && pieces.size() == 1 && !polynomials)
                        pieces[0] += words[good];
                    for (int i = 0; i < pieces.size(); ++i) // a second box after the first
                        type(openBoxes(f).value(i), pieces[i]);
                    QVERIFY(!f->answerBox(p)->isEnabled() && !f->menuButton->isEnabled());
                    if (look)
                        CHECK_EXPOSED(f, s.messages);
                    const QString feedback = f->feedbackLabel(p)->caption();
                    QVERIFY2(feedback.startsWith("Goedzo") == good, qPrintable(feedback));
                    score[p - 1] += good;
                    if (harvest)
                        answers[p - 1] << told(feedback).join('|');
                    typed[p - 1] << pieces;
                    right[p - 1] << good;
                }
            }
            QVERIFY(f->timer->fire()); // the tick after the last answer closes the run
            QCOMPARE(s.messages.last().title, QString(k.title));
            QVERIFY(s.messages.last().text.startsWith(
                QString("An:\rJe had er %1 goed van de %2 in ")
                    .arg(common::Str(score[0]), common::Str(count))));
            if (harvest)
                CHECK_EXPOSED(f, s.messages);
            flushUnloads();
            QVERIFY(!ui::FormRegistry::instance().find(id) && m->isVisible());
            f = nullptr;
        }
        QVERIFY(!timerWhileExplaining);

        // The file in the results folder, two blocks of two players.
        QVERIFY(!QFile::exists(file));
        const QByteArray bytes = readFile("gedeeld/" + file);
        const QByteArray dashes = QByteArray(49, '-') + "\r\n";
        QVERIFY(bytes.startsWith("An: (6-12-2026      10:15)\r\n\r\n"));
        QVERIFY(bytes.contains(
            (endResult(0, count) + "\r\nBrâm: (6-12-2026      10:15)\r\n\r\n").toUtf8()));
        QVERIFY(
            bytes.endsWith(endResult(right[1].mid(count).count(true), count).toUtf8() + dashes));
        QCOMPARE(bytes.count(dashes), 2);
        QList<overview::Record> records;
        for (const overview::FileState& state : overview::readFolder(results::folder()))
            if (state.relativeName == file)
                records = state.read.records;
        QCOMPARE(records.size(), 4);
        for (int r = 0; r < 4; ++r) {
            const int p = r % 2, from = r / 2 * count;
            QCOMPARE(records[r].name, names[p]);
            QCOMPARE(records[r].option, k.results);
            QCOMPARE(records[r].level, level);
            QCOMPARE(records[r].when, QDateTime(QDate(2026, 12, 6), QTime(10, 15)));
            QCOMPARE(records[r].count, count);
            QCOMPARE(records[r].score, int(right[p].mid(from, count).count(true)));
            QCOMPARE(records[r].answerCount(), count);
            for (int i = 0; i < count; ++i) {
                const overview::Answer a = records[r].answer(i);
                QVERIFY(!a.problem.isEmpty());
                QCOMPARE(a.right, right[p][from + i]);
                QCOMPARE(a.correct.isEmpty(), a.right);
                for (const QString& piece : typed[p][from + i])
                    QVERIFY2(bare(a.given).contains(bare(piece)),
                             qPrintable(a.given + " / " + piece));
            }
        }

        // The viewer has one button for the file, with the level's caption.
        auto* v = open<ViewerForm>("bekijken");
        int shown = 0;
        for (std::size_t i = 1; i < v->menu.size(); ++i) {
            if (QFileInfo(viewer::fileFor(int(i))).fileName() != file)
                continue;
            ++shown;
            if (level)
                QCOMPARE(v->menu[i]->caption(), QString(e.levels[level - 1].viewerCaption));
            click(v->menu[i]);
            QVERIFY(QTest::qWaitFor([v] { return !v->loader.busy(); }, 60000));
            QCOMPARE(v->tInfo->contents(), QString::fromUtf8(bytes).replace("\r\n", "\n"));
        }
        QCOMPARE(shown, 1);
    }
};

TK_TEST(CatalogueTest)
#include "catalogue_test.moc"
