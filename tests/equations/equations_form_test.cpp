// The equations form played through as pupils do.
#include "common/numbertext.h"
#include "examples.h"
#include "exercises/equations/equationsform.h"
#include "rundriver.h"
#include "testmain.h"

#include <QApplication>

using namespace tktest;
using namespace eqtest;
using equations::Equation;

namespace {

// The right answer as a pupil would type it.
QString rightAnswer(const Equation& v)
{
    return common::StrSingle(equations::solution(v)).trimmed();
}

} // namespace

class EquationsFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("vergelijkingen"); }

    void mixedLevelRunWithTwoPlayers()
    {
        // Draws that a turn lines up; other turns draw from seed 11.
        auto source = std::make_unique<ScriptedRandom>(std::vector<double>{}, 11);
        ScriptedRandom* queue = source.get();
        Session s(std::move(source));
        auto* f = open<EquationsForm>("vergelijkingen", 2, "An", "Bo", 7, "Door elkaar");
        QApplication::setActiveWindow(f);

        // One turn: line up the example's draws (else draw at random), tick,
        // check the level, and type the answer ("=" types the right one).
        auto turn = [&](int player, int level, const Example* example, const QString& first,
                        const QString& second = "") {
            if (example)
                queue->add(example->draws);
            QVERIFY(f->timer->fire());
            const Equation& v = f->equationOf(player);
            QCOMPARE(v.level, level);
            QCOMPARE(queue->remaining(), std::size_t(0));
            s.clock->advance(2);
            ui::TextBox* box1 = f->answerBox(player);
            ui::TextBox* box2 = player == 1 ? f->secondAnswerBox1 : f->secondAnswerBox2;
            QCOMPARE(box2->isVisible(), v.isQuadratic());
            type(box1, first == "=" ? rightAnswer(v) : first);
            if (v.isQuadratic()) {
                QVERIFY(box1->isEnabled() && box2->hasFocus()); // Enter in the first box moves on
                if (first.isEmpty()) // both boxes empty: Enter does nothing
                    QTest::keyClick(box2, Qt::Key_Return);
                QVERIFY(box1->isEnabled());
                type(box2, second);
                QVERIFY(!box2->isEnabled());
            }
        };

        turn(1, 1, nullptr, "=");
        QVERIFY(f->equationLabel1->isVisible());
        turn(2, 2, &oneAndAQuarter, "1,25");
        QCOMPARE(f->equationLabel2->caption(), QString("  4 x  -  3 =  2"));
        QCOMPARE(f->feedbackLabel2->caption(), QString("Goedzo Bo!    1 g"));
        turn(1, 2, nullptr, "999"); // problem 2: a fraction, drawn on the picture area
        QVERIFY(f->equationLabel1->isHidden() && f->fractionArea1->isVisible());
        QCOMPARE(s.messages.last().title, QString("Bordjesmanier"));
        QVERIFY(s.messages.last().text.startsWith(f->equation1.text + "\r___"));
        turn(2, 3, nullptr, "=");
        QVERIFY(f->fractionArea1->isVisible()); // player 1's fraction stays in view
        turn(1, 3, nullptr, "=");
        QVERIFY(f->equationLabel1->isVisible() && f->fractionArea1->isHidden());
        turn(2, 4, nullptr, "=");
        turn(1, 4, nullptr, "999");
        turn(2, 5, &expanded, "3", "-2");
        turn(1, 5, &bothSides, "3", "2"); // the other order
        QCOMPARE(f->orLetterLabel1->caption(), QString(" of   a ="));
        turn(2, 6, &doubleHalf, "-3,5", "-3.5");
        turn(1, 6, nullptr, "", "999"); // the second box checks both, the empty one as 0
        QCOMPARE(f->feedbackLabel1->caption(), QString("nee, a = -6 of a = -1"));
        turn(2, 1, nullptr, "="); // problem 6 of level 1: a fraction again
        QVERIFY(f->fractionArea2->isVisible());
        QCOMPARE(s.messages.count(), 3);

        QVERIFY(f->timer->fire());
        f->menuButton->click(); // player 1's seventh problem stays unanswered
        QVERIFY(s.messages.last().text.endsWith(" in  12 sec.\r" + QString(45, '_') +
                                                "\r\r Bo heeft gewonnen !"));
        // Each player's answer lines, as typed; the problems drawn at random
        // come from seed 11.
        const QString file = QString::fromUtf8(readFile("oefset6_7.txt")).replace("\r\n", "\n");
        QVERIFY(file.contains(R"(
 -9 x  -  26 =  37      x = -7   Goed
  48 / ( 2x  +  4) = -8    x = 999        Fout ,het is -5
-9t  +  20 = -5t -  4      t = 6   Goed
-5p  -  52 = -15p -  13    p = 999        Fout ,het is  3.9
 a² -  3a+  10 =  2a +  4          a = 3 of a = 2   Goed
 4a² + 3(a+ 2)(a+ 8)=-19a+ 6   a =  of a = 999        Fout, het is a = -6 of a = -1

)"));
        QVERIFY(file.contains(R"(
  4 x  -  3 =  2      x = 1,25   Goed
 3p  +  16 = -5p +  8      p = -1   Goed
 9a + 3( 7a- 1)= 5a+ 25      a = 1.12   Goed
 x² - x -  6 = 0     x = 3 of x = -2Goed
 2x² + 2(x+ 1)(x+ 1)=-24x- 47    x = -3,5 of x = -3.5Goed
 -48 / (x  +  9) = -4      x = 3   Goed

)"));
    }
};

TK_TEST(EquationsFormTest)
#include "equations_form_test.moc"
