// The percentages form played through by two pupils.
#include "exercises/percentages/perccheck.h"
#include "exercises/percentages/procenten.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"

using namespace tktest;

namespace {

// What each pupil types: player 1 gets the kinds 2, 3, 4, 5, 1, player 2 the
// kinds 4, 5, 1, 2, 3; player 1's first answer and player 2's second are wrong.
const QStringList getypt[2] = {{"2500", "3253,38", "2522", "29", "15.00"},
                               {"2522", "129", "15,0", "2522", "3253.38"}};

int soort(int speler, int nr)
{
    return (nr + (speler == 1 ? 0 : 2)) % 5 + 1;
}

} // namespace

class ProcentenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("procenten"); }

    // Five problems each, then the pupils leave while player 1's sixth waits.
    void twoPupilsPlayAllKinds()
    {
        QFile::remove("oefset1.txt");
        auto script = std::make_unique<tktest::ScriptedRandom>();
        for (int nr = 1; nr <= 5; ++nr)
            for (int speler = 1; speler <= 2; ++speler) // the price 2522, then 29 % or 15 %
                script->addDraws({2522 - 1000, 3000, soort(speler, nr) == 1 ? 13 : 27, 30});
        Session s(std::move(script));
        choose(2, "An", "Bo", 1, "Procenten");
        auto* f = open<Procenten>("procenten");
        QCOMPARE(f->caption(), QString("procenten"));

        QByteArray verslag[2];
        for (int nr = 1; nr <= 5; ++nr) {
            for (int speler = 1; speler <= 2; ++speler) {
                const QString& t = getypt[speler - 1][nr - 1];
                QVERIFY(f->Timer1->fire());
                const percentages::Opgave o = f->opgave;
                QCOMPARE(o.soort, soort(speler, nr));
                const auto r = f->regels(speler);
                QCOMPARE(r[0]->caption() + r[1]->caption() + r[2]->caption(),
                         o.regel1 + o.regel2 + o.regel3);
                for (const ui::Label* l : r) // every line fits on the form
                    QVERIFY(l->fontMetrics().horizontalAdvance(l->caption()) <= l->width());

                const double lineY = f->picture(speler)->currentY;
                type(f->tAntwoord(speler), t);
                const run::Verdict b = percentages::beoordeel(o, t);
                verslag[speler - 1] += "\r\n" + b.verslag.join("\r\n").toUtf8();
                // The problem and the answer go on the history area on two
                // lines (looked at while the area has room).
                if (nr <= 3)
                    QCOMPARE(f->picture(speler)->currentY,
                             lineY + 2 * f->picture(speler)->textHeight());
            }
        }

        // The two explanations: player 1's old price, player 2's percentage of a rise.
        QCOMPARE(s.messages.messages[0].title, QString("procenten"));
        QVERIFY(s.messages.messages[0].text.startsWith(" Een apparaat kost €  3253.38\r"));
        QVERIFY(s.messages.messages[1].text.startsWith(" Een apparaat kost nu €  3253.38\r"));
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    4 g"));

        QVERIFY(f->Timer1->fire());
        f->bNaarmenu->click();
        const QByteArray file = readFile("oefset1.txt");
        QCOMPARE(file, "An: (6-12-2026      10:15)\r\n" + verslag[0] +
                           "\r\n\r\neindresultaat:  4 goed van de  5\r\n\r\nBo: (6-12-2026      "
                           "10:15)\r\n" +
                           verslag[1] + "\r\n\r\neindresultaat:  4 goed van de  5\r\n" +
                           QByteArray(49, '-') + "\r\n");
        // Written out: a two-line entry, and a typed answer as typed.
        QVERIFY(file.contains("\r\noud -  29 % is  1790.62    Oude prijs ?\r\n2522    Goed\r\n"));
        QVERIFY(file.contains("\r\n100 % =  2522.00  Hoeveel % is  378.30 ?     15.0    Goed"));
    }
};

TK_TEST(ProcentenFormTest)
#include "procenten_form_test.moc"
