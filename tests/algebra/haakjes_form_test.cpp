// The brackets form played through by two pupils.
#include "algebrarun.h"
#include "common/numbertext.h"
#include "exercises/algebra/haakjesform.h"
#include "testmain.h"

#include <QDir>

using namespace tktest;
using namespace algebratest;

namespace {

void registreer()
{
    ui::FormRegistry::instance().add("haakjes", [] { return new Haakjes; });
    ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
}

// Player 1's first problem: level 1, kind 2, x, c = -2, a = 3, b = 5, s1 = +1;
// player 2's: a, c = 3, a = 2, b = 1, s1 = -1. The rest comes from a seed.
std::unique_ptr<common::ScriptedRandom> eersteOpgaven()
{
    auto r = std::make_unique<common::ScriptedRandom>();
    for (auto [k, n] : {std::pair{0, 4}, {2, 10}, {4, 9}, {8, 20}, {1, 2}, {0, 9}, {1, 2}})
        r->addDraw(k, n);
    for (auto [k, n] : {std::pair{2, 4}, {1, 10}, {0, 9}, {13, 20}, {0, 2}, {0, 9}, {1, 2}})
        r->addDraw(k, n);
    return r;
}

QString zonderSpaties(QString s)
{
    return s.remove(QLatin1Char(' '));
}

} // namespace

class HaakjesFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registreer(); }
    void init()
    {
        QDir dir(QDir::currentPath());
        for (const QString& f : dir.entryList({"oefset*"}, QDir::Files))
            dir.remove(f);
    }

    void tweeSpelersSpelenEenHeleRun()
    {
        Session s(eersteOpgaven());
        choose(2, "An", "Bo", 1, "Eén stel haakjes niveau 1");
        auto* f = open<Haakjes>("haakjes");
        QCOMPARE(f->caption(), QString("Haakjes wegwerken    Eén stel haakjes niveau 1"));
        QCOMPARE(f->Label5->caption(),
                 QString(" Werk de haakjes weg en schrijf      het antwoord zo kort mogelijk "));
        QCOMPARE(f->Label1->caption(), QString("Antw:"));
        QCOMPARE(f->widthTw(), 7620);

        // Player 1 leaves the brackets in: equal, but not as short as possible.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule1->caption(), QString(" -2x( 3x +  5)"));
        QCOMPARE(f->lVulin1->caption(), QString(" An  vul in ! (nr.  1)"));
        s.clock->advance(4);
        type(f->tAntwoord1, "-2x(3x+5)");
        QCOMPARE(f->lGoedzo1->caption(), QString("nee, het is -6x² -  10x"));
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("Haakjes wegwerken"));
        QVERIFY(s.messages.last().text.startsWith(" -2x( 3x +  5)\r___"));
        QVERIFY(s.messages.last().text.endsWith("Het antwoord is dus:  -6x² -  10x"));
        QStringList regels1{foutRegel(" -2x( 3x +  5)", "-2x(3x+5)", "-6x² -  10x")};

        // Player 2 types powers with ^; the box shows the answer normalised.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule2->caption(), QString("  3a( 2a -  1)"));
        QCOMPARE(f->lVulin2->caption(), QString(" Bo  vul in ! (nr.  1)"));
        s.clock->advance(6);
        type(f->tAntwoord2, "6a^2 - 3a");
        QCOMPARE(f->tAntwoord2->text(), QString("6a²-3a"));
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    1 g"));
        QCOMPARE(s.messages.count(), 1);
        QStringList regels2{goedRegel("  3a( 2a -  1)", "6a²-3a", 2)};

        // The other nine: player 1 always right, player 2 wrong on odd numbers.
        int goed2 = 1;
        for (int nr = 2; nr <= 10; ++nr) {
            QVERIFY(f->Timer1->fire());
            const QString antwoord1 = zonderSpaties(f->opgave(1).antw);
            type(f->tAntwoord1, antwoord1);
            QVERIFY2(f->lGoedzo1->caption().startsWith("Goedzo An!"), qPrintable(antwoord1));
            regels1 << goedRegel(f->lFormule1->caption(), antwoord1, 1);

            QVERIFY(f->Timer1->fire());
            const QString tekst2 = f->lFormule2->caption();
            if (nr % 2 == 1) {
                type(f->tAntwoord2, "0");
                QCOMPARE(f->tAntwoord2->text(), QString("0")); // not equal: left as typed
                regels2 << foutRegel(tekst2, "0", f->opgave(2).antw);
                QCOMPARE(s.messages.last().text.section('\r', 0, 0), tekst2);
            } else {
                const QString antwoord2 = zonderSpaties(f->opgave(2).antw);
                type(f->tAntwoord2, antwoord2);
                regels2 << goedRegel(tekst2, antwoord2, 2);
                ++goed2;
            }
        }
        QCOMPARE(s.messages.count(), 1 + 4); // explanations for 3, 5, 7 and 9
        QVERIFY(f->Timer1->fire());          // closes the run
        QCOMPARE(s.messages.last().title, QString("Haakjes wegwerken"));
        QVERIFY(s.messages.last().text.endsWith(" An heeft gewonnen !"));
        QCOMPARE(readFile("oefset4_1.txt"), blok("An", regels1, 9, "Bo", regels2, goed2));
    }

    void gemengdeRunWisseltDeNiveaus()
    {
        Session s(std::make_unique<common::SeededRandom>(4));
        choose(2, "An", "Bo", 5, "Soorten door elkaar");
        auto* f = open<Haakjes>("haakjes");
        QList<QPair<int, int>> speler1, speler2;
        for (int nr = 1; nr <= 4; ++nr) {
            QVERIFY(f->Timer1->fire());
            speler1 << qMakePair(f->opgave(1).niveau, f->opgave(1).soort);
            type(f->tAntwoord1, "x");
            QVERIFY(f->Timer1->fire());
            speler2 << qMakePair(f->opgave(2).niveau, f->opgave(2).soort);
            type(f->tAntwoord2, "x");
        }
        QCOMPARE(speler1, (QList<QPair<int, int>>{{1, 2}, {2, 3}, {3, 1}, {4, 1}}));
        QCOMPARE(speler2, (QList<QPair<int, int>>{{2, 2}, {3, 1}, {4, 4}, {1, 1}}));
        f->Timer1->fire();
        f->bNaarmenu->click();
        QCOMPARE(int(module1().niveau), 5);
        QVERIFY(!readFile("oefset4_5.txt").isEmpty());
    }

    void leegAntwoordDoetNiets()
    {
        Session s;
        choose(1, "An", "", 2, "Eén stel haakjes niveau 2");
        auto* f = open<Haakjes>("haakjes");
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, "");
        QVERIFY(f->tAntwoord1->isEnabled());
        QVERIFY(f->lGoedzo1->isHidden());
        QVERIFY(f->Label6->isHidden()); // one player: nothing on the right
    }
};

TK_TEST(HaakjesFormTest)
#include "haakjes_form_test.moc"
