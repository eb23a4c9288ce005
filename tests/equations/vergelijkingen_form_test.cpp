// The equations form played through as pupils do.
#include "common/numbertext.h"
#include "exercises/equations/vergelijkingen.h"
#include "rundriver.h"
#include "testmain.h"
#include "voorbeelden.h"

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <deque>

using namespace tktest;
using namespace eqtest;
using equations::Vergelijking;

namespace {

// Draws that a test lines up just before a turn; other turns draw at random.
class Wachtrij : public common::Random {
public:
    double rnd() override
    {
        if (volgende.empty())
            return toeval.rnd();
        const double w = volgende.front();
        volgende.pop_front();
        return w;
    }
    void randomize() override {}
    void zet(const std::vector<double>& w) { volgende.insert(volgende.end(), w.begin(), w.end()); }

    std::deque<double> volgende;
    common::SeededRandom toeval{11};
};

// The right answer as a pupil would type it.
QString goed(const Vergelijking& v)
{
    return common::StrSingle(equations::oplossing(v)).trimmed();
}

void registreer()
{
    ui::FormRegistry::instance().add("vergelijkingen", [] { return new Vergelijkingen; });
    ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
}

QStringList regels(const QByteArray& bestand)
{
    return QString::fromUtf8(bestand).split("\r\n");
}

} // namespace

class VergelijkingenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registreer(); }
    void init()
    {
        QDir dir(QDir::currentPath());
        for (const QString& f : dir.entryList({"oefset*"}, QDir::Files))
            dir.remove(f);
    }

    void mixedLevelRunWithTwoPlayers()
    {
        auto bron = std::make_unique<Wachtrij>();
        Wachtrij* trek = bron.get();
        Session s(std::move(bron));
        choose(2, "An", "Bo", 7, "Door elkaar");
        auto* f = open<Vergelijkingen>("vergelijkingen");
        QCOMPARE(f->caption(), QString("Vergelijkingen    Door elkaar"));
        QCOMPARE(f->lVulin1->caption(), QString(" Let op An !"));
        QCOMPARE(f->aantalOpgaven, 10);

        // One turn: line up draws, tick, check the level, type, Enter.
        auto beurt = [&](int speler, int niveau, const std::vector<double>& script) {
            if (!script.empty())
                trek->zet(script);
            QVERIFY(f->Timer1->fire());
            QCOMPARE(f->vergelijkingVan(speler).niveau, niveau);
            QVERIFY(trek->volgende.empty());
            s.clock->advance(2);
        };
        auto typ1 = [&](int speler, const QString& tekst) { type(f->tAntwoord(speler), tekst); };
        auto typ2 = [&](int speler, const QString& eerste, const QString& tweede) {
            ui::TextBox* vak2 = speler == 1 ? f->tAntwoordl2 : f->tAntwoordr2;
            QVERIFY(vak2->isVisible() && vak2->isEnabled());
            type(f->tAntwoord(speler), eerste);
            QVERIFY(f->tAntwoord(speler)->isEnabled()); // Enter in the first box only moves on
            type(vak2, tweede);
            QVERIFY(!vak2->isEnabled());
        };
        auto juist = [&](int speler) { typ1(speler, goed(f->vergelijkingVan(speler))); };

        beurt(1, 1, {});
        QVERIFY(f->lVergelijking1->isVisible());
        QVERIFY(f->tAntwoordl2->isHidden());
        QCOMPARE(f->Label5->caption(), QString("Vergelijking:"));
        QCOMPARE(f->Label1->caption(), QString("Oplossing:"));
        QCOMPARE(f->Label3->caption(), " " + f->vergelijking1.letter + " =");
        juist(1);

        beurt(2, 2, eenKwart().trek);
        QCOMPARE(f->lVergelijking2->caption(), QString("  4 x  -  3 =  2"));
        QCOMPARE(f->Label4->caption(), QString(" x ="));
        typ1(2, "1,25");
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    1 g"));

        beurt(1, 2, {}); // problem 2: a fraction, drawn on the picture area
        QVERIFY(f->vergelijking1.isBreuk());
        QVERIFY(f->lVergelijking1->isHidden());
        QVERIFY(f->Pvergelijking1->isVisible());
        typ1(1, "999");
        QCOMPARE(s.messages.last().title, QString("Bordjesmanier"));
        QVERIFY(s.messages.last().text.startsWith(f->vergelijking1.vergtekst + "\r___"));
        QVERIFY(f->verslag1.endsWith("\r\n" + equations::logvorm(f->vergelijking1) +
                                     "    x = 999        Fout ,het is " + goed(f->vergelijking1)));

        beurt(2, 3, {});
        QCOMPARE(f->Label6->caption(), QString("Verg:"));
        QVERIFY(f->lVergelijking1->isHidden()); // player 1's fraction stays in view
        QVERIFY(f->Pvergelijking1->isVisible());
        juist(2);
        beurt(1, 3, {});
        QVERIFY(f->lVergelijking1->isVisible());
        QVERIFY(f->Pvergelijking1->isHidden());
        juist(1);
        beurt(2, 4, {});
        QVERIFY(f->vergelijking2.isHaakjesvorm()); // odd problem
        juist(2);
        beurt(1, 4, {});
        QVERIFY(!f->vergelijking1.isHaakjesvorm());
        typ1(1, "999");
        QCOMPARE(s.messages.last().title, QString("Weegschaalmethode"));

        beurt(2, 5, uitgewerkt().trek);
        QCOMPARE(f->Label2->caption(), QString("Opl:"));
        QCOMPARE(f->lOf2->caption(), QString(" of   x ="));
        QVERIFY(f->lOf2->isVisible());
        typ2(2, "3", "-2");
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    4 g"));
        beurt(1, 5, tweeKanten().trek);
        QCOMPARE(f->lOf1->caption(), QString(" of   a ="));
        typ2(1, "3", "2"); // the other order
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    3 g"));
        beurt(2, 6, dubbeleHalf().trek);
        typ2(2, "-3,5", "-3.5");
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    5 g"));
        beurt(1, 6, {});
        typ2(1, "999", "999");
        QCOMPARE(s.messages.last().title, QString("Kwadr. vergelijkingen niveau 2"));

        beurt(2, 1, {}); // problem 6 of level 1: a fraction again
        QVERIFY(f->vergelijking2.isBreuk());
        QVERIFY(f->pVergelijking2->isVisible());
        QVERIFY(f->tAntwoordr2->isHidden());
        juist(2);
        beurt(1, 1, {});
        juist(1);
        beurt(2, 2, minVierTiende().trek);
        typ1(2, "-0,4");
        beurt(1, 2, eenKwart().trek);
        typ1(1, "1.25");
        beurt(2, 3, {});
        juist(2);
        beurt(1, 3, {});
        juist(1);
        beurt(2, 4, {});
        juist(2);
        beurt(1, 4, {});
        juist(1);
        beurt(2, 5, uitgewerkt().trek);
        typ2(2, "3", ""); // one answer where there are two solutions
        QCOMPARE(f->lGoedzo2->caption(), QString("nee, x =  3 of x = -2"));
        QCOMPARE(s.messages.last().title, QString("Kwadr. vergelijkingen niveau 1"));
        QCOMPARE(s.messages.count(), 4);

        QVERIFY(f->Timer1->fire()); // after problem 10 the run closes
        QCOMPARE(s.messages.last().title, QString("Vergelijkingen"));
        QCOMPARE(s.messages.last().text, "An:\rJe had er  7 goed van de  10 in  20 sec.\r" +
                                             QString(45, '_') +
                                             "\r\rBo:\rJe had er  9 goed van de  10 in  20 sec.\r" +
                                             QString(45, '_') + "\r\r Bo heeft gewonnen !");
        QCOMPARE(module1().niveau, std::int16_t(7));

        const QStringList r = regels(readFile("oefset6_7.txt"));
        const int bo = int(r.indexOf("Bo: (6-12-2026      10:15)"));
        QCOMPARE(r.first(), QString("An: (6-12-2026      10:15)"));
        QCOMPARE(bo, 15); // header, empty line, ten answers, empty line, end result, empty line
        QCOMPARE(r[13], QString("eindresultaat:  7 goed van de  10"));
        const QStringList an = r.mid(2, 10);
        const QStringList bob = r.mid(bo + 2, 10);
        QCOMPARE(an[4], QString(" a² -  3a+  10 =  2a +  4          a = 3 of a = 2   Goed"));
        QCOMPARE(an[7], QString("  4 x  -  3 =  2      x = 1.25   Goed"));
        QCOMPARE(bob[0], QString("  4 x  -  3 =  2      x = 1,25   Goed"));
        QCOMPARE(bob[3], QString(" x² - x -  6 = 0     x = 3 of x = -2Goed"));
        QCOMPARE(bob[4], QString(" 2x² + 2(x+ 1)(x+ 1)=-24x- 47    x = -3,5 of x = -3.5Goed"));
        QCOMPARE(bob[6], QString("  5 x  +  3 =  1      x = -0,4   Goed"));
        QCOMPARE(bob[9], QString(" x² - x -  6 = 0    x = 3 of x =        "
                                 "Fout, het is x =  3 of x = -2"));
        QVERIFY(an[1].contains(" / (")); // the fraction logged on one line
        QCOMPARE(r[bo + 13], QString("eindresultaat:  9 goed van de  10"));
        QCOMPARE(r[bo + 14], QString(49, '-'));
    }

    void quadraticBoxesNeedTheFirstAnswer()
    {
        auto bron = std::make_unique<Wachtrij>();
        bron->zet(uitgewerkt().trek);
        Session s(std::move(bron));
        choose(1, "An", "", 5, "Kwadr. vergelijkingen niveau 1");
        auto* f = open<Vergelijkingen>("vergelijkingen");
        QCOMPARE(f->aantalOpgaven, 10);
        QVERIFY(f->Timer1->fire());
        QApplication::setActiveWindow(f);
        QVERIFY(f->tAntwoord1->hasFocus());
        QTest::keyClick(f->tAntwoord1, Qt::Key_Return);
        QVERIFY(f->tAntwoordl2->hasFocus());
        type(f->tAntwoordl2, "-2"); // the first box is still empty: back there
        QVERIFY(f->tAntwoord1->hasFocus());
        QVERIFY(f->tAntwoord1->isEnabled());
        QVERIFY(f->lGoedzo1->isHidden());
        type(f->tAntwoord1, "3");
        QTest::keyClick(f->tAntwoordl2, Qt::Key_Return);
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo An!    1 g"));
        QCOMPARE(f->gedaan1, 1);
    }

    void linearLevelsRunTwentyProblemsToTheirOwnFile()
    {
        Session s;
        choose(1, "An", "", 4, "Weegschaalmethode niveau 2");
        auto* f = open<Vergelijkingen>("vergelijkingen");
        for (int nr = 1; nr <= 20; ++nr) {
            QVERIFY(f->Timer1->fire());
            QCOMPARE(f->vergelijking1.isHaakjesvorm(), nr % 2 == 1);
            QVERIFY(f->tAntwoordl2->isHidden() && f->lOf1->isHidden());
            type(f->tAntwoord1, goed(f->vergelijking1).replace('.', ','));
        }
        QVERIFY(f->Timer1->fire());
        QCOMPARE(s.messages.count(), 1);
        QVERIFY(s.messages.last().text.startsWith("An:\rJe had er  20 goed van de  20"));
        QVERIFY(readFile("oefset6_4.txt").contains("eindresultaat:  20 goed van de  20"));
    }

    // Renders a fraction, a quadratic with two boxes and a worked solution to
    // PNG files when TK_SHOTS names a folder.
    void screenshots()
    {
        const QString map = qEnvironmentVariable("TK_SHOTS");
        if (map.isEmpty())
            QSKIP("set TK_SHOTS to a folder to render the form");
        QDir().mkpath(map);
        auto bron = std::make_unique<Wachtrij>();
        Wachtrij* trek = bron.get();
        Session s(std::move(bron));
        choose(2, "Anna", "Bram", 7, "Door elkaar");
        auto* f = open<Vergelijkingen>("vergelijkingen");
        f->show();
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, goed(f->vergelijking1));
        trek->zet(eenKwart().trek);
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord2, "1,25");
        QVERIFY(f->Timer1->fire()); // player 1: a fraction
        f->grab().save(map + "/breuk.png");
        type(f->tAntwoord1, "7");
        auto box = ui::makeMessageBox(s.messages.last().title, s.messages.last().text);
        box->show();
        box->grab().save(map + "/uitleg-breuk.png");
        for (int i = 0; i < 4; ++i) {
            QVERIFY(f->Timer1->fire());
            const int speler = f->beurt2 ? 2 : 1;
            type(f->tAntwoord(speler), goed(f->vergelijkingVan(speler)));
        }
        trek->zet(uitgewerkt().trek);
        QVERIFY(f->Timer1->fire()); // player 2: quadratic level 1
        QTest::keyClicks(f->tAntwoord2, "3");
        QTest::keyClicks(f->tAntwoordr2, "-2");
        f->grab().save(map + "/kwadratisch.png");
        QTest::keyClick(f->tAntwoordr2, Qt::Key_Return);
        trek->zet(tweeKanten().trek);
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, "1");
        type(f->tAntwoordl2, "5");
        f->grab().save(map + "/kwadratisch-fout.png");
        box = ui::makeMessageBox(s.messages.last().title, s.messages.last().text);
        box->show();
        box->grab().save(map + "/uitleg-kwadratisch.png");
        trek->zet(dubbeleHalf().trek);
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord2, "1");
        type(f->tAntwoordr2, "2");
        box = ui::makeMessageBox(s.messages.last().title, s.messages.last().text);
        box->show();
        box->grab().save(map + "/uitleg-niveau6.png");
        f->grab().save(map + "/niveau6.png");
    }
};

TK_TEST(VergelijkingenFormTest)
#include "vergelijkingen_form_test.moc"
