// The factoring form played through by two pupils.
#include "algebrarun.h"
#include "exercises/algebra/ontbindenform.h"
#include "testmain.h"

#include <QDir>

using namespace tktest;
using namespace algebratest;

namespace {

void registreer()
{
    ui::FormRegistry::instance().add("ontbinden", [] { return new Ontbinden; });
    ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
}

// Player 1's first problem: level 1, kind 2, x, c = -3, a = 2, b = 5, s = +1
// (-6x² - 15x); player 2's: a, c = 1, a = 3, b = 2, s = -1 (3a² - 2a). The
// rest comes from a seed.
std::unique_ptr<common::ScriptedRandom> eersteOpgaven()
{
    auto r = std::make_unique<common::ScriptedRandom>();
    for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {4, 9}, {7, 20}, {1, 2}})
        r->addDraw(k, n);
    for (auto [k, n] : {std::pair{2, 4}, {2, 10}, {1, 9}, {11, 20}, {0, 2}})
        r->addDraw(k, n);
    return r;
}

QString zonderSpaties(QString s)
{
    return s.remove(QLatin1Char(' '));
}

} // namespace

class OntbindenFormTest : public QObject {
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
        choose(2, "An", "Bo", 1, "Tweetermen ontbinden");
        auto* f = open<Ontbinden>("ontbinden");
        QCOMPARE(f->caption(), QString("Ontbinden    Tweetermen ontbinden"));
        QCOMPARE(f->Label5->caption(), QString("Ontbind:"));
        QCOMPARE(f->Label6->caption(), QString("Ontbind:"));

        // Player 1 takes out 3x instead of -3x: right, but a better factor exists.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule1->caption(), QString(" -6x² -  15x"));
        s.clock->advance(5);
        type(f->tAntwoord1, "3x(-2x-5)");
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    1 g"));
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("ontbinden"));
        QCOMPARE(s.messages.last().text, QString("Het is goed, maar beter is:  -3x( 2x +  5)"));
        QStringList regels1{goedRegel(" -6x² -  15x", "3x(-2x-5)", 1) + CRLF +
                            " maar beter is: -3x( 2x +  5)"};

        // Player 2 gets the sign inside wrong: not the same function.
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule2->caption(), QString("  3a² -  2a"));
        s.clock->advance(7);
        type(f->tAntwoord2, "a(3a+2)");
        QCOMPARE(f->lGoedzo2->caption(), QString("nee, het is a( 3a -  2)"));
        QCOMPARE(s.messages.last().title, QString("Ontbinden"));
        QVERIFY(s.messages.last().text.contains("\rHier valt dus niets buiten haakjes te halen") ==
                false);
        QVERIFY(s.messages.last().text.endsWith("Het antwoord is dus:  a( 3a -  2)"));
        QStringList regels2{foutRegel("  3a² -  2a", "a(3a+2)", "a( 3a -  2)")};

        // The rest: player 1 types the answers with ^ for powers, player 2
        // types every problem back unchanged (wrong, unless a two-term problem
        // had only the factor 1 or -1 to take out).
        int goed2 = 0;
        for (int nr = 2; nr <= 10; ++nr) {
            QVERIFY(f->Timer1->fire());
            QString antwoord1 = zonderSpaties(f->opgave(1).antw);
            type(f->tAntwoord1, antwoord1.replace("²", "^2"));
            QVERIFY(f->lGoedzo1->caption().startsWith("Goedzo An!"));
            QVERIFY(!f->tAntwoord1->text().contains('^')); // normalised in the box
            regels1 << goedRegel(f->lFormule1->caption(), f->tAntwoord1->text(), 1);
            if (f->opgave(1).c < 0 && !f->tAntwoord1->text().startsWith('-'))
                regels1.last() += CRLF + " maar beter is: " + f->opgave(1).antw;

            QVERIFY(f->Timer1->fire());
            const QString tekst2 = f->lFormule2->caption();
            type(f->tAntwoord2, zonderSpaties(tekst2));
            const bool zelfAntwoord = std::abs(f->opgave(2).c) == 1 && f->opgave(2).soort % 3 == 1;
            QVERIFY2(f->lGoedzo2->caption().startsWith("Goedzo") == zelfAntwoord,
                     qPrintable(tekst2));
            if (zelfAntwoord) {
                regels2 << goedRegel(tekst2, f->tAntwoord2->text(), 2);
                ++goed2;
            } else {
                regels2 << foutRegel(tekst2, f->tAntwoord2->text(), f->opgave(2).antw);
            }
        }
        QVERIFY(f->Timer1->fire());
        QCOMPARE(s.messages.last().title, QString("Ontbinden"));
        QVERIFY(s.messages.last().text.startsWith("An:\rJe had er  10 goed van de  10 in  5 sec."));
        QCOMPARE(readFile("oefset5_1.txt"), blok("An", regels1, 10, "Bo", regels2, goed2));
    }

    void nietTeOntbindenTikJeOver()
    {
        // Level 2, problem 4: x² + 2x + 5 cannot be factored.
        auto r = std::make_unique<common::ScriptedRandom>();
        for (int i = 0; i < 3; ++i) // problems 1 to 3: x² + 5x + 6
            for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {0, 2}, {1, 10}, {0, 2}})
                r->addDraw(k, n);
        for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {0, 2}, {4, 80}, {0, 2}})
            r->addDraw(k, n);
        Session s(std::move(r));
        choose(1, "An", "", 2, "Drietermen ontbinden niv 1");
        auto* f = open<Ontbinden>("ontbinden");
        for (int nr = 1; nr <= 3; ++nr) {
            QVERIFY(f->Timer1->fire());
            QCOMPARE(f->lFormule1->caption(), QString(" x² +  5x +  6"));
            type(f->tAntwoord1, nr == 1 ? "(x+3)(x+2)" : "x^2+5x+6");
        }
        QCOMPARE(f->lGoedzo1->caption(), QString("nee, (x +  2)(x +  3)"));
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lFormule1->caption(), QString(" x² +  2x +  5"));
        type(f->tAntwoord1, "x^2 + 2x + 5");
        QCOMPARE(f->tAntwoord1->text(), QString("x²+2x+5"));
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    2 g"));
    }

    void gemengdeRunNaarBestandVanNiveau4()
    {
        Session s(std::make_unique<common::SeededRandom>(9));
        choose(1, "An", "", 4, "Soorten door elkaar");
        auto* f = open<Ontbinden>("ontbinden");
        QList<int> niveaus;
        for (int nr = 1; nr <= 6; ++nr) {
            QVERIFY(f->Timer1->fire());
            niveaus << f->opgave(1).niveau;
            type(f->tAntwoord1, "x");
        }
        QCOMPARE(niveaus, (QList<int>{1, 2, 3, 1, 2, 3}));
        QVERIFY(f->Timer1->fire());
        f->bNaarmenu->click();
        QCOMPARE(int(module1().niveau), 4);
        QVERIFY(!readFile("oefset5_4.txt").isEmpty());
    }
};

TK_TEST(OntbindenFormTest)
#include "ontbinden_form_test.moc"
