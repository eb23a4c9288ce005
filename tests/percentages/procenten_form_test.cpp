// The percentages form played through by two pupils, and a look at its layout.
#include "exercises/percentages/perccheck.h"
#include "exercises/percentages/procenten.h"
#include "rundriver.h"
#include "testmain.h"
#include "ui/twips.h"

#include <QDir>
#include <QMessageBox>

using namespace tktest;

namespace {

struct Turn {
    int soort;       // the kind the pupil should get
    int perc;        // scripted percentage (the price is always 2522)
    QString typed;   // what the pupil types
    QString results; // the results line it leaves
};

// Player 1 gets the kinds 2, 3, 4, 5, 1, ..., player 2 the kinds 4, 5, 1, 2, 3, ...
const QList<Turn> player1{
    {2, 29, "2500", "oud +  29 % is  3253.38 Oude prijs ?   2500      Fout ,het is  2522.00"},
    {3, 29, "3253,38", "100 % =  2522.00  Hoeveel is  129% ?     3253.38    Goed"},
    {4, 29, "2522", "oud -  29 % is  1790.62    Oude prijs ?\r\n2522    Goed"},
    {5, 29, "29", "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?\r\n29     Goed"},
    {1, 15, "15.00", "100 % =  2522.00  Hoeveel % is  378.30 ?     15.00    Goed"},
    {2, 29, "2522", "oud +  29 % is  3253.38    Oude prijs ?\r\n2522    Goed"},
    {3, 29, "3253.38", "100 % =  2522.00  Hoeveel is  129% ?     3253.38    Goed"},
    {4, 29, "2522.00", "oud -  29 % is  1790.62    Oude prijs ?\r\n2522.00    Goed"},
    {5, 29, "29", "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?\r\n29     Goed"},
    {1, 29, "29", "100 % =  2522.00  Hoeveel % is  731.38 ?     29    Goed"},
};
const QList<Turn> player2{
    {4, 29, "2522", "oud -  29 % is  1790.62    Oude prijs ?\r\n2522    Goed"},
    {5, 29, "129",
     "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?     129      Fout ,het is  29"},
    {1, 15, "15,0", "100 % =  2522.00  Hoeveel % is  378.30 ?     15.0    Goed"},
    {2, 29, "2522", "oud +  29 % is  3253.38    Oude prijs ?\r\n2522    Goed"},
    {3, 29, "3253.38", "100 % =  2522.00  Hoeveel is  129% ?     3253.38    Goed"},
    {4, 29, "2522", "oud -  29 % is  1790.62    Oude prijs ?\r\n2522    Goed"},
    {5, 29, "29", "oud =  2522.00   nieuw =  3253.38 Perc. prijsverhoging ?\r\n29     Goed"},
    {1, 29, "29", "100 % =  2522.00  Hoeveel % is  731.38 ?     29    Goed"},
    {2, 29, "2522", "oud +  29 % is  3253.38    Oude prijs ?\r\n2522    Goed"},
    {3, 29, "3253.38", "100 % =  2522.00  Hoeveel is  129% ?     3253.38    Goed"},
};

std::unique_ptr<common::ScriptedRandom> script()
{
    auto r = std::make_unique<common::ScriptedRandom>();
    for (int i = 0; i < 10; ++i)
        for (const Turn& t : {player1[i], player2[i]}) {
            r->addDraw(2522 - 1000, 3000);
            r->addDraw(t.perc - 2, 30);
        }
    return r;
}

QByteArray verslag(const QString& naam, const QList<Turn>& turns)
{
    QString v = naam + ": (6-12-2026      10:15)\r\n";
    for (const Turn& t : turns)
        v += "\r\n" + t.results;
    return (v + "\r\n\r\neindresultaat:  9 goed van de  10").toUtf8();
}

QStringList captions(const Procenten* f, int speler)
{
    QStringList c;
    for (const ui::Label* l : f->regels(speler))
        c << l->caption();
    return c;
}

// Saves a picture of the widget when TK_SHOT_DIR names a folder.
void shoot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("TK_SHOT_DIR");
    if (!dir.isEmpty() && QDir().mkpath(dir))
        w->grab().save(dir + "/" + name + ".png");
}

} // namespace

class ProcentenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        ui::FormRegistry::instance().add("procenten", [] { return new Procenten; });
        ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
    }

    void twoPupilsPlayAWholeRun()
    {
        QFile::remove("oefset1.txt");
        Session s(script());
        choose(2, "An", "Bo", 1, "Procenten");
        auto* f = open<Procenten>("procenten");
        QCOMPARE(f->caption(), QString("procenten"));
        QCOMPARE(f->lRegel1l->caption(), QString("    Pak je rekenmachine erbij !!"));

        for (int nr = 1; nr <= 10; ++nr) {
            for (int speler = 1; speler <= 2; ++speler) {
                const Turn& t = (speler == 1 ? player1 : player2)[nr - 1];
                QVERIFY(f->Timer1->fire());
                QCOMPARE(int(module1().niveau), t.soort);
                QCOMPARE(f->opgave.soort, t.soort);
                QCOMPARE(captions(f, speler),
                         (QStringList{f->opgave.regel1, f->opgave.regel2, f->opgave.regel3}));
                ui::TextBox* box = f->tAntwoord(speler);
                QCOMPARE(ui::leftTw(box),
                         t.soort == 5 ? (speler == 1 ? 3225 : 6885) : (speler == 1 ? 2820 : 6480));
                QCOMPARE(ui::widthTw(box), t.soort == 5 ? 495 : 900);
                QVERIFY(box->hasFocus() || !QApplication::focusWidget());

                const double lineY = f->picture(speler)->currentY;
                const int boxes = s.messages.count();
                s.clock->advance(speler == 1 ? 3 : 4);
                type(box, t.typed);
                const bool right = !t.results.contains("Fout");
                QCOMPARE(s.messages.count(), boxes + (right ? 0 : 1));
                if (!right)
                    QCOMPARE(f->lGoedzo(speler)->caption(), "nee, het is " + f->opgave.juist);
                // Every answer prints the problem and the answer on two lines
                // (looked at while the history area has room).
                if (nr <= 3)
                    QCOMPARE(f->picture(speler)->currentY,
                             lineY + 2 * f->picture(speler)->textHeight());
            }
        }

        // The explanations: player 1's old price, player 2's percentage of a rise.
        QCOMPARE(s.messages.count(), 2);
        const QStringList first = s.messages.messages[0].text.split('\r');
        QCOMPARE(s.messages.messages[0].title, QString("procenten"));
        QCOMPARE(first.mid(0, 3),
                 (QStringList{" Een apparaat kost €  3253.38", " Het is  29 % duurder geworden",
                              " Wat was de oude prijs ?"}));
        QCOMPARE(first.last(), QString("Het antwoord is :   2522.00"));
        const QStringList second = s.messages.messages[1].text.split('\r');
        QCOMPARE(second.mid(0, 3),
                 (QStringList{" Een apparaat kost nu €  3253.38", " Het kostte eerst  2522.00",
                              " Hoeveel % prijsverhoging ?"}));
        QCOMPARE(second.last(), QString("De prijsverhoging is dan :   129 - 100 =  29 %"));
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    9 g"));

        QVERIFY(f->Timer1->fire()); // after player 2's tenth answer the run closes
        QCOMPARE(s.messages.count(), 3);
        QCOMPARE(s.messages.last().title, QString("procenten"));
        const QString line(45, '_');
        QCOMPARE(s.messages.last().text, "An:\rJe had er  9 goed van de  10 in  30 sec.\r" + line +
                                             "\r\rBo:\rJe had er  9 goed van de  10 in  40 sec.\r" +
                                             line + "\r\r An heeft gewonnen !");
        QCOMPARE(int(module1().niveau), 3); // the kind of the last problem stays
        QCOMPARE(readFile("oefset1.txt"), verslag("An", player1) + "\r\n\r\n" +
                                              verslag("Bo", player2) + "\r\n" +
                                              QByteArray(49, '-') + "\r\n");
    }

    void everyLineFitsAndTheBoxFollowsTheQuestion()
    {
        Session s;
        choose(2, "Anna", "Bram", 1, "Procenten");
        auto* f = open<Procenten>("procenten");
        for (int i = 0; i < 5; ++i) {
            for (int speler = 1; speler <= 2; ++speler) {
                QVERIFY(f->Timer1->fire());
                const auto r = f->regels(speler);
                for (const ui::Label* l : r)
                    QVERIFY2(l->fontMetrics().horizontalAdvance(l->caption()) <= l->width(),
                             qPrintable(l->caption()));
                ui::TextBox* box = f->tAntwoord(speler);
                QVERIFY(box->geometry().left() >= r[2]->geometry().right());
                QVERIFY(box->geometry().right() < f->width());
                QVERIFY(box->geometry().top() == r[2]->geometry().top());
                if (i == 4 && speler == 2)
                    shoot(f, "procenten-twee-spelers");
                const QString typed = i % 2 ? "1" : f->opgave.juist.trimmed();
                // The history area shows both of its lines whole.
                const QString history = percentages::beoordeel(f->opgave, typed).geschiedenis;
                for (const QString& line : history.split('\r'))
                    QVERIFY2(f->picture(speler)->fontMetrics().horizontalAdvance(line) <=
                                 f->picture(speler)->width(),
                             qPrintable(line));
                type(box, typed);
            }
        }
        // The explanation box keeps the ratio table on whole lines.
        QVERIFY(s.messages.count() > 0);
        auto box = ui::makeMessageBox(s.messages.last().title, s.messages.last().text);
        box->show();
        shoot(box.get(), "procenten-uitleg");
        QVERIFY(box->width() < 1000);
    }
};

TK_TEST(ProcentenFormTest)
#include "procenten_form_test.moc"
