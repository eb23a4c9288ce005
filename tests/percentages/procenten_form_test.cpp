// The percentages form played through by two pupils.
#include "exercises/percentages/perccheck.h"
#include "exercises/percentages/procenten.h"
#include "rundriver.h"
#include "testmain.h"
#include "ui/twips.h"

using namespace tktest;

namespace {

struct Turn {
    int soort;     // the kind the pupil should get
    int perc;      // scripted percentage (the price is always 2522)
    QString typed; // what the pupil types
};

// Player 1 gets the kinds 2, 3, 4, 5, 1, ..., player 2 the kinds 4, 5, 1, 2, 3, ...
// Player 1's first answer and player 2's second are wrong.
const QList<Turn> turns[2] = {{{2, 29, "2500"},
                               {3, 29, "3253,38"},
                               {4, 29, "2522"},
                               {5, 29, "29"},
                               {1, 15, "15.00"},
                               {2, 29, "2522"},
                               {3, 29, "3253.38"},
                               {4, 29, "2522.00"},
                               {5, 29, "29"},
                               {1, 29, "29"}},
                              {{4, 29, "2522"},
                               {5, 29, "129"},
                               {1, 15, "15,0"},
                               {2, 29, "2522"},
                               {3, 29, "3253.38"},
                               {4, 29, "2522"},
                               {5, 29, "29"},
                               {1, 29, "29"},
                               {2, 29, "2522"},
                               {3, 29, "3253.38"}}};

} // namespace

class ProcentenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise<Procenten>("procenten"); }

    void twoPupilsPlayAWholeRun()
    {
        QFile::remove("oefset1.txt");
        auto script = std::make_unique<common::ScriptedRandom>();
        for (int i = 0; i < 10; ++i)
            for (const auto& speler : turns) {
                script->addDraw(2522 - 1000, 3000); // the price, then the percentage
                script->addDraw(speler[i].perc - 2, 30);
            }
        Session s(std::move(script));
        choose(2, "An", "Bo", 1, "Procenten");
        auto* f = open<Procenten>("procenten");
        QCOMPARE(f->caption(), QString("procenten"));

        QByteArray verslag[2];
        for (int nr = 1; nr <= 10; ++nr) {
            for (int speler = 1; speler <= 2; ++speler) {
                const Turn& t = turns[speler - 1][nr - 1];
                QVERIFY(f->Timer1->fire());
                const percentages::Opgave o = f->opgave;
                QCOMPARE(o.soort, t.soort);
                const auto r = f->regels(speler);
                QCOMPARE(r[0]->caption() + r[1]->caption() + r[2]->caption(),
                         o.regel1 + o.regel2 + o.regel3);
                ui::TextBox* box = f->tAntwoord(speler);
                for (const ui::Label* l : r) // every line fits on the form
                    QVERIFY(l->fontMetrics().horizontalAdvance(l->caption()) <= l->width());

                const double lineY = f->picture(speler)->currentY;
                const int boxes = s.messages.count();
                s.clock->advance(speler == 1 ? 3 : 4);
                type(box, t.typed);
                const run::Verdict b = percentages::beoordeel(o, t.typed);
                verslag[speler - 1] += "\r\n" + b.verslag.join("\r\n").toUtf8();
                QCOMPARE(s.messages.count(), boxes + (b.goed ? 0 : 1));
                if (!b.goed)
                    QCOMPARE(f->lGoedzo(speler)->caption(), "nee, het is " + o.juist);
                // The problem and the answer go on the history area on two
                // lines (looked at while the area has room).
                if (nr <= 3)
                    QCOMPARE(f->picture(speler)->currentY,
                             lineY + 2 * f->picture(speler)->textHeight());
            }
        }

        // The explanations: player 1's old price, player 2's percentage of a rise.
        QCOMPARE(s.messages.count(), 2);
        QCOMPARE(s.messages.messages[0].title, QString("procenten"));
        QVERIFY(s.messages.messages[0].text.startsWith(" Een apparaat kost €  3253.38\r"));
        QVERIFY(s.messages.messages[0].text.endsWith("\rHet antwoord is :   2522.00"));
        QVERIFY(s.messages.messages[1].text.startsWith(" Een apparaat kost nu €  3253.38\r"));
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    9 g"));

        QVERIFY(f->Timer1->fire()); // after player 2's tenth answer the run closes
        QCOMPARE(s.messages.count(), 3);
        const QString line(45, '_');
        QCOMPARE(s.messages.last().text, "An:\rJe had er  9 goed van de  10 in  30 sec.\r" + line +
                                             "\r\rBo:\rJe had er  9 goed van de  10 in  40 sec.\r" +
                                             line + "\r\r An heeft gewonnen !");
        const QByteArray file = readFile("oefset1.txt");
        QCOMPARE(file, "An: (6-12-2026      10:15)\r\n" + verslag[0] +
                           "\r\n\r\neindresultaat:  9 goed van de  10\r\n\r\nBo: (6-12-2026      "
                           "10:15)\r\n" +
                           verslag[1] + "\r\n\r\neindresultaat:  9 goed van de  10\r\n" +
                           QByteArray(49, '-') + "\r\n");
        QVERIFY(file.contains("\r\n100 % =  2522.00  Hoeveel % is  378.30 ?     15.00    Goed"));
        QVERIFY(file.contains("\r\n100 % =  2522.00  Hoeveel % is  378.30 ?     15.0    Goed"));
    }
};

TK_TEST(ProcentenFormTest)
#include "procenten_form_test.moc"
