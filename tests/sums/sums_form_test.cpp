// The sums form played through as pupils play it.
#include "exercises/sums/sumsform.h"
#include "problems.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"

using namespace tktest;

namespace {

QStringList captions(const std::array<ui::Label*, 5>& row)
{
    QStringList c;
    for (const ui::Label* l : row)
        c << (l->isVisible() ? l->caption() : "(hidden)");
    return c;
}

} // namespace

class SumsFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("sommen"); }

    // Level 4 with scripted draws: a hidden factor, a three-term problem and
    // a hidden term, laid out on both rows, and their results lines.
    void twoPlayersScriptedAtLevel4()
    {
        auto r = tktest::ScriptedRandom::of({5, 20, 1, 20, 0, 3, 1, 3}); // An: -7 x 3
        r->addDraws({10, 20, 0, 20, 0, 3, 0, 3});                        // Bo: -12 x -2
        for (int i = 0; i < 2; ++i) {                                    // both: -4 + 3 x -2
            r->addDraws({0, 40, 0, 40, 0, 3, 0, 3, 1, 2});
            r->addDraws({2, 8, 0, 3, 1, 8, 1, 3, 1, 3, 0, 8, 2, 3, 2, 3});
        }
        r->addDraws({4, 40, 10, 40, 0, 3, 1, 3, 0, 2}); // An: -14 - 20
        Session s(std::move(r));
        auto* f = open<SumsForm>("sommen", 2, "An", "Bo", 4, "Opt/aftr/verm. niveau 2");

        QVERIFY(f->timer->fire());
        QCOMPARE(captions(f->problemRow1), (QStringList{" -7", " x ", "(hidden)", " = ", "-21"}));
        type(f->answerBox1, "-3");
        QCOMPARE(s.messages.last().title, QString()); // explanations have no title
        QVERIFY(f->timer->fire());
        QCOMPARE(captions(f->problemRow1)[0], QString(" -7")); // player 1's stays in view
        QCOMPARE(captions(f->problemRow2), (QStringList{" -12", " x ", "(hidden)", " = ", " 24"}));
        type(f->answerBox2, "-2");
        QVERIFY(f->feedbackLabel2->isVisible() && f->feedbackLabel1->isHidden());

        QVERIFY(f->timer->fire());
        QCOMPARE(captions(f->problemRow1),
                 (QStringList{" -4", " + ", "     3   x   -2", " = ", ""}));
        type(f->answerBox1, "-10");
        QVERIFY(f->timer->fire());
        type(f->answerBox2, "2");

        QVERIFY(f->timer->fire());
        type(f->answerBox1, "-20");
        QVERIFY(f->timer->fire());
        f->menuButton->click();          // player 2's third problem stays unanswered
        QCOMPARE(s.messages.count(), 4); // three explanations and the summary
        const QByteArray file = readFile("oefset3_4.txt"); // the answer lines
        QVERIFY(file.contains("\r\n -7 x  .... = -21    Antw: -3   Fout ,het is  3\r\n"
                              " -4 +      3   x   -2 = -10   Goed\r\n"
                              " -14 -  .... = -34    Antw: -20   Fout ,het is  20\r\n\r\n"
                              "eindresultaat:  1 goed van de  3\r\n"));
        QVERIFY(file.contains("\r\n -12 x  .... =  24    Antw: -2   Goed\r\n"
                              " -4 +      3   x   -2 = 2   Fout ,het is -10\r\n\r\n"
                              "eindresultaat:  1 goed van de  2\r\n")); // the third not given
    }

    // On screen a line too wide for the history area breaks before its
    // verdict; the results text keeps it on one line.
    void aLongHistoryLineBreaksOnScreenOnly()
    {
        Session s;
        auto* f = open<SumsForm>("sommen", 1, "Anna", "", 1, "Optellen/aftr. niveau 1");
        QVERIFY(f->timer->fire());
        type(f->answerBox1, "0");
        QVERIFY(f->timer->fire()); // the second number is asked: a longer line
        const double y = f->historyArea1->currentY;
        type(f->answerBox1, "0 (dit weet ik echt niet)");
        QCOMPARE(f->historyArea1->currentY, y + 2 * f->historyArea1->textHeight());
        QVERIFY(f->round().player(1).log.contains(
            "    Antw: 0 (dit weet ik echt niet)   Fout ,het is "));
    }
};

TK_TEST(SumsFormTest)
#include "sums_form_test.moc"
