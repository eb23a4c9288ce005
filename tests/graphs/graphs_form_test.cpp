// The graph form played through as pupils do.
#include "exercises/graphs/graphsform.h"
#include "rundriver.h"
#include "testmain.h"

#include <QAccessible>

using namespace tktest;

namespace {

const QString CRLF = "\r\n";

// A horizontal line far above the picture: never right.
QString wrong(int k)
{
    return QString::number(30 + k);
}

// One function answered right after `failures` wrong answers; returns the
// log lines it adds.
QString play(GraphsForm* f, int failures)
{
    const QString given = f->game.targetFormula;
    QString log = CRLF + "functie: " + f->formulaStartBox->text() + given + CRLF + "invoer:";
    for (int k = 0; k < failures; ++k) {
        retype(f->answerBox, wrong(k));
        log += (k == 0 ? "" : CRLF + "       ") + wrong(k);
        click(f->nextButton);
    }
    retype(f->answerBox, given);
    log += (failures == 0 ? "" : CRLF + "       ") + given;
    return log;
}

// The kind of a formula of the mixed level, told by its text.
int kind(const QString& formula)
{
    const std::pair<const char*, int> marks[] = {{"sqr", 6}, {"sin", 4}, {"cos", 4},
                                                 {"tan", 4}, {"2 ^", 8}, {"/", 7}};
    for (const auto& [mark, k] : marks)
        if (formula.contains(QLatin1String(mark)))
            return k;
    return 3; // a parabola
}

} // namespace

class GraphsFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("grafieken"); }

    // While the error box is open the form takes no action: "Naar menu",
    // clicked or pressed by a screen reader, leaves the run alone, which goes
    // on when the box is closed.
    void theErrorBoxHoldsTheForm()
    {
        FixedRun run; // the box opens for real
        auto* f = open<GraphsForm>("grafieken", 1, "Anna", "", 1, "Lijnen niveau 1");
        QAccessibleActionInterface* press =
            QAccessible::queryAccessibleInterface(f->menuButton)->actionInterface();
        BoxWatcher watcher(
            [&](int look) {
                if (look == 0) { // the press clicks before the next look
                    f->menuButton->click();
                    press->doAction(QAccessibleActionInterface::pressAction());
                }
            },
            2);
        type(f->answerBox, "((");
        QCOMPARE(watcher.looks, 3);
        QCOMPARE(watcher.text, graphs::formulaErrorText().replace('\r', '\n'));
        QVERIFY(!f->closed() && f->answerBox->isEnabled());
        retype(f->answerBox, f->game.targetFormula);
        QCOMPARE(f->promptLabel->caption(), QString("Goed zo, Anna !"));
    }

    // Help opened after a wrong answer: the cover, the level's pages, and
    // back to the function as it was, the wrong answer not counted.
    void helpPagesPerLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("pages");
        QTest::newRow("lines") << 2 << 1;
        QTest::newRow("parabolas: two pages") << 3 << 2;
        QTest::newRow("sine then cosine") << 4 << 2;
        QTest::newRow("square root") << 6 << 1;
        QTest::newRow("mixed: the overview page") << 7 << 1;
    }
    void helpPagesPerLevel()
    {
        QFETCH(int, level);
        QFETCH(int, pages);
        Session s;
        auto* f = open<GraphsForm>("grafieken", 1, "Anna", "", level, "Keuze");
        const graphs::Axes axes = f->axes;
        retype(f->answerBox, wrong(0));
        click(f->helpButton);
        QVERIFY(f->coverLabel->isVisible() && !f->graphArea->isVisible());
        QVERIFY(!f->nextButton->isVisible() && !f->answerBox->isEnabled());
        for (int page = 1; page <= pages; ++page) {
            click(f->helpButton);
            QVERIFY(f->graphArea->isVisible() && !f->coverLabel->isVisible());
            QCOMPARE(f->helpButton->caption(), QString(page < pages ? "Verder" : "Terug"));
        }
        click(f->helpButton);
        QCOMPARE(f->helpButton->caption(), QString("Hulp"));
        QVERIFY(f->nextButton->isVisible() && !f->nextButton->isEnabled());
        QCOMPARE(f->answerBox->text(), wrong(0));
        QCOMPARE(f->rows, f->targetRows);
        QCOMPARE(f->axes.yScale, axes.yScale);
        QCOMPARE(f->axes.functionLetter, axes.functionLetter);
        retype(f->answerBox, f->game.targetFormula);
        QVERIFY(f->scoreLabel->caption().startsWith("Anna:  10 punten"));
    }

    // Two players in turn on the mixed level; each draws from a record of
    // their own, so Bram's first five functions are the five kinds. Anna's
    // first function: a wrong answer is drawn and then edited, the same
    // answer again does nothing, a formula that cannot be read costs an
    // attempt too; the rest right at once, but for Bram's fourth, whose
    // answer he is shown after four wrong ones.
    void twoPlayersOnTheMixedLevelAndTheResultsFile()
    {
        Session s(std::make_unique<common::SeededRandom>(11));
        auto* f = open<GraphsForm>("grafieken", 2, "Anna", "Bram", 7, "Soorten door elkaar");
        const QColor second = f->promptColours2->palette().color(QPalette::WindowText);
        QVERIFY(!f->nextButton->isEnabled());
        const QString given = f->game.targetFormula;
        QString log = "Anna: (6-12-2026      10:15)" + CRLF + CRLF +
                      "functie: " + f->formulaStartBox->text() + given +
                      "\r\ninvoer: -30 \r\n       31.5\r\n       31.5,5" + CRLF + "       " +
                      given + "    1 pt.";
        retype(f->answerBox, " -30 "); // blanks around a formula are no part of it
        QCOMPARE(f->promptLabel->caption(), QString("fout, Anna"));
        QCOMPARE(f->nextButton->caption(), QString("Dezelfde nog eens"));
        QVERIFY(f->nextButton->isEnabled() && !f->answerBox->isEnabled());
        click(f->nextButton);
        QCOMPARE(f->promptLabel->caption(), QString("Vul in, Anna !"));
        QVERIFY(f->answerBox->isEnabled());
        QCOMPARE(f->answerBox->text(), QString(" -30 "));
        QCOMPARE(f->rows, f->targetRows);              // the answer's curve is gone
        QTest::keyClick(f->answerBox, Qt::Key_Return); // the same answer again
        retype(f->answerBox, "  ");                    // blanks alone, as an empty box
        retype(f->answerBox, "31,5"); // a decimal comma becomes a point: only the first
        click(f->nextButton);
        retype(f->answerBox, "31,5,5");
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().text, graphs::formulaErrorText());
        QVERIFY(f->answerBox->isEnabled() && !f->nextButton->isEnabled()); // the box stays open
        QCOMPARE(f->rows, f->targetRows);                                  // nothing drawn
        retype(f->answerBox, given);                                       // the fourth attempt
        QCOMPARE(f->promptLabel->caption(), QString("Goed zo, Anna !"));
        QCOMPARE(f->nextButton->caption(), QString("Volgende"));
        QSet<int> bram;
        for (int nr = 1; nr <= 10; ++nr) {
            if (nr > 1) {
                QCOMPARE(f->promptLabel->caption(), QString("Vul in, Anna !"));
                QCOMPARE(f->answerBox->text(), QString()); // a new function: empty box
                log += play(f, 0) + "    10 pt.";
            }
            click(f->nextButton);
            QCOMPARE(f->promptLabel->caption(), QString("Vul in, Bram !"));
            QCOMPARE(f->promptLabel->palette().color(QPalette::WindowText), second);
            if (nr <= 5)
                bram << kind(f->game.targetFormula);
            if (nr != 4) {
                play(f, 0);
            } else { // after "Antwoord" no answer scores; the function counts once
                for (int k = 0; k < 4; ++k) {
                    QCOMPARE(f->helpButton->caption(), QString("Hulp"));
                    retype(f->answerBox, wrong(k));
                    click(f->nextButton);
                }
                QCOMPARE(f->helpButton->caption(), QString("Antwoord"));
                const QString target = f->game.targetFormula;
                click(f->helpButton);
                QCOMPARE(f->answerBox->text(), target); // with its spaces, as generated
                QVERIFY(f->answerBox->isEnabled() && f->nextButton->isEnabled());
                QCOMPARE(f->nextButton->caption(), QString("Volgende"));
                QTest::keyClick(f->answerBox, Qt::Key_Return); // Enter on the shown answer
                click(f->helpButton);                          // "Antwoord" again
                retype(f->answerBox, target);
                QCOMPARE(f->scoreLabel->caption(),
                         QString("Anna:  31 punten uit  4\nBram: 30 punten uit  4"));
            }
            click(f->nextButton); // after the tenth function the run closes, once
            QCOMPARE(f->helpButton->caption(), QString("Hulp"));
        }
        f->endRun();
        QCOMPARE(bram, (QSet<int>{3, 4, 6, 7, 8}));
        QCOMPARE(s.messages.count(), 2);
        QCOMPARE(s.messages.last().title, QString("Functies raden"));
        QVERIFY(s.messages.last().text.endsWith("\r\rAnna heeft gewonnen !"));
        log += CRLF + CRLF + "eindresultaat:  91 punten uit  10" + CRLF + "Dat is  91 procent";
        const QString file = QString::fromUtf8(readFile("oefset7_7.txt"));
        QVERIFY2(file.startsWith(log + CRLF + CRLF + "Bram: (6-12-2026      10:15)"),
                 qPrintable(file));
        QVERIFY(file.contains("       33" + CRLF + "functie")); // nothing after the last wrong one
        QVERIFY(file.endsWith("Dat is  90 procent\r\n" + QString(49, '-') + "\r\n"));
        flushUnloads();
        QVERIFY(!ui::FormRegistry::instance().find("grafieken"));
    }
};

TK_TEST(GraphsFormTest)
#include "graphs_form_test.moc"
