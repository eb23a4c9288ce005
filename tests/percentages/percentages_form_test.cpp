// The percentages form played through by two pupils.
#include "exercises/percentages/percentagesform.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"

using namespace tktest;

namespace {

// What each pupil types: player 1 gets the kinds 2, 3, 4, 5, 1, player 2 the
// kinds 4, 5, 1, 2, 3; player 1's first answer and player 2's second are wrong.
const QStringList typed[2] = {{"2500", "3253,38", "2522", "29", "15.00"},
                              {"2522", "129", "15,0", "2522", "3253.38"}};

int kind(int player, int number)
{
    return (number + (player == 1 ? 0 : 2)) % 5 + 1;
}

} // namespace

class PercentagesFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("procenten"); }

    // Five problems each, then the pupils leave while player 1's sixth waits.
    void twoPupilsPlayAllKinds()
    {
        auto script = std::make_unique<tktest::ScriptedRandom>();
        for (int number = 1; number <= 5; ++number)
            for (int player = 1; player <= 2; ++player) // the price 2522, then 29 % or 15 %
                script->addDraws({2522 - 1000, 3000, kind(player, number) == 1 ? 13 : 27, 30});
        Session s(std::move(script));
        auto* f = open<PercentagesForm>("procenten", 2, "An", "Bo", 1, "Procenten");

        for (int number = 1; number <= 5; ++number) {
            for (int player = 1; player <= 2; ++player) {
                const QString& t = typed[player - 1][number - 1];
                QVERIFY(f->timer->fire());
                const percentages::Problem o = f->problem;
                QCOMPARE(o.kind, kind(player, number));
                const auto r = f->lines(player);
                QCOMPARE(r[0]->caption() + r[1]->caption() + r[2]->caption(),
                         o.line1 + o.line2 + o.line3);
                for (const ui::Label* l : r) // every line fits on the form
                    QVERIFY(l->fontMetrics().horizontalAdvance(l->caption()) <= l->width());

                const double lineY = f->historyArea(player)->currentY;
                type(f->answerBox(player), t);
                // The problem and the answer go on the history area on two
                // lines (looked at while the area has room).
                if (number <= 3)
                    QCOMPARE(f->historyArea(player)->currentY,
                             lineY + 2 * f->historyArea(player)->textHeight());
            }
        }

        // The two explanations: player 1's old price, player 2's percentage of a rise.
        QCOMPARE(s.messages.messages[0].title, QString("procenten"));
        QVERIFY(s.messages.messages[0].text.startsWith(" Een apparaat kost €  3253.38\r"));
        QVERIFY(s.messages.messages[1].text.startsWith(" Een apparaat kost nu €  3253.38\r"));
        QCOMPARE(f->feedbackLabel1->caption(), QString("Goedzo An!    4 g"));

        QVERIFY(f->timer->fire());
        f->menuButton->click();
        // Written out (each kind's lines: the logic's test): a two-line
        // entry, and a typed answer as typed.
        const QByteArray file = readFile("oefset1.txt");
        QVERIFY(file.contains("\r\noud -  29 % is  1790.62    Oude prijs ?\r\n2522    Goed\r\n"));
        QVERIFY(file.contains("\r\n100 % =  2522.00  Hoeveel % is  378.30 ?     15.0    Goed"));
    }
};

TK_TEST(PercentagesFormTest)
#include "percentages_form_test.moc"
