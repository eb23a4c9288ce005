// The equations form played through as pupils do.
#include "common/numbertext.h"
#include "exercises/equations/vergelijkingen.h"
#include "rundriver.h"
#include "testmain.h"
#include "voorbeelden.h"

#include <QApplication>
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

} // namespace

class VergelijkingenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("vergelijkingen"); }

    void mixedLevelRunWithTwoPlayers()
    {
        auto bron = std::make_unique<Wachtrij>();
        Wachtrij* trek = bron.get();
        Session s(std::move(bron));
        QFile::remove("oefset6_7.txt");
        choose(2, "An", "Bo", 7, "Door elkaar");
        auto* f = open<Vergelijkingen>("vergelijkingen");
        QApplication::setActiveWindow(f);
        QCOMPARE(f->caption(), QString("Vergelijkingen    Door elkaar"));
        QCOMPARE(f->lVulin1->caption(), QString(" Let op An !"));

        // One turn: line up the example's draws (else draw at random), tick,
        // check the level, and type the answer ("=" types the right one).
        auto beurt = [&](int speler, int niveau, const Voorbeeld* vb, const QString& eerste,
                         const QString& tweede = "") {
            if (vb)
                trek->zet(vb->trek);
            QVERIFY(f->Timer1->fire());
            const Vergelijking& v = f->vergelijkingVan(speler);
            QCOMPARE(v.niveau, niveau);
            QVERIFY(trek->volgende.empty());
            s.clock->advance(2);
            ui::TextBox* vak1 = f->tAntwoord(speler);
            ui::TextBox* vak2 = speler == 1 ? f->tAntwoordl2 : f->tAntwoordr2;
            QCOMPARE(vak2->isVisible(), v.isKwadratisch());
            type(vak1, eerste == "=" ? goed(v) : eerste);
            if (v.isKwadratisch()) {
                QVERIFY(vak1->isEnabled() && vak2->hasFocus()); // Enter in the first box moves on
                if (eerste.isEmpty()) // both boxes empty: Enter does nothing
                    QTest::keyClick(vak2, Qt::Key_Return);
                QVERIFY(vak1->isEnabled());
                type(vak2, tweede);
                QVERIFY(!vak2->isEnabled());
            }
        };

        beurt(1, 1, nullptr, "=");
        QVERIFY(f->lVergelijking1->isVisible());
        beurt(2, 2, &eenKwart, "1,25");
        QCOMPARE(f->lVergelijking2->caption(), QString("  4 x  -  3 =  2"));
        QCOMPARE(f->lGoedzo2->caption(), QString("Goedzo Bo!    1 g"));
        beurt(1, 2, nullptr, "999"); // problem 2: a fraction, drawn on the picture area
        QVERIFY(f->lVergelijking1->isHidden() && f->Pvergelijking1->isVisible());
        QCOMPARE(s.messages.last().title, QString("Bordjesmanier"));
        QVERIFY(s.messages.last().text.startsWith(f->vergelijking1.vergtekst + "\r___"));
        beurt(2, 3, nullptr, "=");
        QVERIFY(f->Pvergelijking1->isVisible()); // player 1's fraction stays in view
        beurt(1, 3, nullptr, "=");
        QVERIFY(f->lVergelijking1->isVisible() && f->Pvergelijking1->isHidden());
        beurt(2, 4, nullptr, "=");
        beurt(1, 4, nullptr, "999");
        beurt(2, 5, &uitgewerkt, "3", "-2");
        beurt(1, 5, &tweeKanten, "3", "2"); // the other order
        QCOMPARE(f->lOf1->caption(), QString(" of   a ="));
        beurt(2, 6, &dubbeleHalf, "-3,5", "-3.5");
        beurt(1, 6, nullptr, "", "999"); // the second box checks both, the empty one as 0
        beurt(2, 1, nullptr, "=");       // problem 6 of level 1: a fraction again
        QVERIFY(f->pVergelijking2->isVisible());
        beurt(1, 1, nullptr, "=");
        beurt(2, 2, &minVierTiende, "4");
        beurt(1, 2, &eenKwart, "5/4"); // a fraction is read as its value
        for (const int niveau : {3, 4}) {
            beurt(2, niveau, nullptr, "=");
            beurt(1, niveau, nullptr, "=");
        }
        beurt(2, 5, &uitgewerkt, "3", ""); // one answer where there are two solutions
        QCOMPARE(f->lGoedzo2->caption(), QString("nee, x =  3 of x = -2"));
        QCOMPARE(s.messages.count(), 5);

        QVERIFY(f->Timer1->fire()); // after problem 10 the run closes
        QVERIFY(s.messages.last().text.endsWith(" in  20 sec.\r" + QString(45, '_') +
                                                "\r\r Bo heeft gewonnen !"));
        // What was typed, as typed; the problems drawn at random come from seed 11.
        const QString file = QString(R"(An: (6-12-2026      10:15)

 -9 x  -  26 =  37      x = -7   Goed
  48 / ( 2x  +  4) = -8    x = 999        Fout ,het is -5
-9t  +  20 = -5t -  4      t = 6   Goed
-5p  -  52 = -15p -  13    p = 999        Fout ,het is  3.9
 a² -  3a+  10 =  2a +  4          a = 3 of a = 2   Goed
 4a² + 3(a+ 2)(a+ 8)=-19a+ 6   a =  of a = 999        Fout, het is a = -6 of a = -1
 -3 a  -  24 = -33      a = 3   Goed
  4 x  -  3 =  2      x = 5/4   Goed
-9a  +  26 = -6a +  2      a = 8   Goed
 3t  -  29 =  20t -  12      t = -1   Goed

eindresultaat:  7 goed van de  10

Bo: (6-12-2026      10:15)

  4 x  -  3 =  2      x = 1,25   Goed
 3p  +  16 = -5p +  8      p = -1   Goed
 9a + 3( 7a- 1)= 5a+ 25      a = 1.12   Goed
 x² - x -  6 = 0     x = 3 of x = -2Goed
 2x² + 2(x+ 1)(x+ 1)=-24x- 47    x = -3,5 of x = -3.5Goed
 -48 / (x  +  9) = -4      x = 3   Goed
  5 x  +  3 =  1    x = 4       Fout ,het is -.4
 4x  -  7 =  6x +  21      x = -14   Goed
-9a - 2(-4a+ 1)= 4a+ 4      a = -1.2   Goed
 x² - x -  6 = 0    x = 3 of x =        Fout, het is x =  3 of x = -2

eindresultaat:  8 goed van de  10
-------------------------------------------------
)")
                                 .replace("\n", "\r\n");
        QCOMPARE(QString::fromUtf8(readFile("oefset6_7.txt")), file);
    }
};

TK_TEST(VergelijkingenFormTest)
#include "vergelijkingen_form_test.moc"
