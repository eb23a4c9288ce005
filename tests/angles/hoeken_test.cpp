#include "exercises/angles/hoeken.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"
#include "ui/twips.h"

#include <cmath>

namespace {
const QString streep(45, QLatin1Char('_'));

// Stands in for the menu so that the tests see when it is shown again.
struct MenuProbe : ui::Form {
    MenuProbe() : ui::Form("wismenu") {}
    void activate() override { ++shown; }
    static inline int shown = 0;
};
} // namespace

class HoekenTest : public QObject {
    Q_OBJECT

    // A fixed clock and a message recorder for each test; it unloads every
    // form at the end.
    std::unique_ptr<tktest::Session> sessie;

    // Opens the game for one or two players; every angle it draws is start
    // 30, size `size` (after a first draw that does not fit).
    Hoeken* open(int spelers, int size = 60, int hoeken = 15)
    {
        tktest::choose(spelers, "Anna", "Bram", 1, "Hoeken raden");
        auto rnd = std::make_unique<tktest::ScriptedRandom>();
        rnd->addDraw(1, 360); // starts too close to the right: drawn again
        rnd->addDraw(0, 160);
        for (int i = 0; i < hoeken; ++i) {
            rnd->addDraw(30, 360);
            rnd->addDraw(size - 10, 160);
        }
        common::setRandom(std::move(rnd));
        return qobject_cast<Hoeken*>(ui::FormRegistry::instance().show("hoeken"));
    }
    static void typ(Hoeken* f, const QString& text)
    {
        f->Tgraden->clear();
        tktest::type(f->Tgraden, text);
    }
    // Ticks until the answer shows; returns the number of sweep steps.
    static int veegTotAntwoord(Hoeken* f)
    {
        int stappen = 0;
        while (!f->Lantwoord->isVisible() && f->Timer1->fire())
            ++stappen;
        return stappen;
    }
    // One angle: each player's guess, then the sweep and the tick after it.
    static void speel(Hoeken* f, const QStringList& gokken)
    {
        for (const QString& g : gokken)
            typ(f, g);
        veegTotAntwoord(f);
        f->Timer1->fire();
    }

    // The colour of the drawing at a point given around the circle's centre:
    // degrees counter-clockwise on the screen from the right, and a part of
    // the radius.
    static QColor kleurOp(const ui::PictureBox* pic, double graden, double deelStraal)
    {
        const QImage& img = pic->image();
        const QPointF c = pic->toPixels(Hoeken::middenX, Hoeken::middenY);
        const double r = pic->toPixels(Hoeken::middenX + Hoeken::straal, 0).x() - c.x();
        const double a = graden * M_PI / 180;
        const QPointF p =
            (c + QPointF(std::cos(a), -std::sin(a)) * r * deelStraal) * img.devicePixelRatio();
        return img.pixelColor(int(std::floor(p.x())), int(std::floor(p.y())));
    }

private slots:
    void initTestCase()
    {
        tktest::registerExercise("hoeken");
        ui::FormRegistry::instance().add("wismenu", [] { return new MenuProbe; });
    }
    void init()
    {
        sessie = std::make_unique<tktest::Session>();
        MenuProbe::shown = 0;
    }
    void cleanup() { sessie.reset(); }

    // Nonsense is ignored; a guess scores, the sweep shows the answer, the
    // next tick the next angle; the game ends once the sweep after 100 is done.
    void onePlayerPlaysTo100()
    {
        Hoeken* f = open(1);
        QCOMPARE(f->caption(), QString("Hoeken raden "));
        QCOMPARE(f->Lnaam->caption(), QString("Anna: hoeveel graden"));
        typ(f, "zestig");
        QVERIFY(!f->Timer1->isEnabled() && f->Tgraden->isEnabled() && !f->Lpunten1->isVisible());
        typ(f, "69");
        QCOMPARE(f->Lpunten1->caption(), QString("Anna:  1 punten"));
        QVERIFY(f->Timer1->isEnabled() && !f->Tgraden->isEnabled() && !f->bNaarmenu->isEnabled());
        QCOMPARE(veegTotAntwoord(f), 6);
        QCOMPARE(f->Lantwoord->caption(), QString("De hoek was  60 graden (geraden: 69)"));
        QVERIFY(f->Timer1->fire()); // the tick after the answer puts up the next angle
        QVERIFY(!f->Timer1->isEnabled() && f->bNaarmenu->isEnabled());
        QVERIFY(f->Tgraden->isEnabled() && f->Tgraden->text().isEmpty());
        QVERIFY(f->Lantwoord->isVisible()); // stays until the next guess
        typ(f, "60");
        QVERIFY(!f->Lantwoord->isVisible());
        speel(f, {});
        for (int i = 0; i < 8; ++i)
            speel(f, {"60"});
        typ(f, "60"); // 101 points now, but the sweep comes first
        veegTotAntwoord(f);
        QCOMPARE(sessie->messages.count(), 0);
        f->Timer1->fire();
        QCOMPARE(sessie->messages.count(), 1);
        QCOMPARE(sessie->messages.last().title, QString("Hoeken raden"));
        QCOMPARE(sessie->messages.last().text, "Anna: in  11 beurten  101 punten\r" + streep);
        QCOMPARE(MenuProbe::shown, 1);
        QVERIFY(!ui::FormRegistry::instance().find("hoeken"));
    }

    void twoPlayersTakeTurns()
    {
        Hoeken* f = open(2);
        const QColor anna = f->Lnaam->palette().color(QPalette::WindowText);
        typ(f, "60");
        QCOMPARE(f->Lnaam->caption(), QString("Bram: hoeveel graden"));
        QVERIFY(f->Lnaam->palette().color(QPalette::WindowText) != anna);
        QVERIFY(f->Tgraden->text().isEmpty() && f->Tgraden->isEnabled());
        QVERIFY(!f->Timer1->isEnabled() && !f->Lpunten1->isVisible());
        typ(f, "65");
        QVERIFY(f->Timer1->isEnabled() && !f->Tgraden->isVisible() && !f->Lnaam->isVisible());
        QCOMPARE(f->Lpunten1->text(), QString("Anna:  10 punten\nBram:  5 punten")); // two lines
        veegTotAntwoord(f);
        QCOMPARE(f->Lantwoord->caption(), QString("De hoek was  60 graden (geraden: 60 en  65)"));
        f->Timer1->fire();
        QCOMPARE(f->Lnaam->caption(), QString("Anna: hoeveel graden"));
        QVERIFY(f->Lnaam->isVisible() && f->Tgraden->isVisible() && f->focusWidget() == f->Tgraden);
        for (int i = 0; i < 9; ++i)
            speel(f, {"60", "65"});
        QCOMPARE(sessie->messages.count(), 1);
        QCOMPARE(sessie->messages.last().text,
                 "Anna heeft gewonnen in  10 beurten (met  100 punten)\rBram had  50 punten\r" +
                     streep);
    }

    // Closing the window mid-sweep, or "Naar menu", ends the game once.
    void leavingEndsTheGameOnce()
    {
        Hoeken* f = open(1);
        typ(f, "60");
        f->Timer1->fire();
        f->close();
        QCOMPARE(sessie->messages.count(), 1);
        QVERIFY(!f->Timer1->isEnabled());
        f = open(1);
        f->bNaarmenu->click();
        f->close();
        QCOMPARE(sessie->messages.count(), 2);
        QCOMPARE(MenuProbe::shown, 2);
        QVERIFY(!ui::FormRegistry::instance().find("hoeken"));
    }

    void sectorLiesWhereTheAngleIs()
    {
        Hoeken* f = open(1, 47); // from 30 to 77 degrees
        const QColor rood(255, 0, 0), blauw(0, 0, 255), grijs = ui::colour(7);
        const struct {
            double graden, deel;
        } binnen[] = {{32, 0.9}, {75, 0.9}, {53, 0.5}, {53, 0.97}},
          buiten[] = {{28, 0.9}, {79, 0.9}, {53, 1.03}, {233, 0.5}};
        for (const auto& p : binnen)
            QCOMPARE(kleurOp(f->Picture1, p.graden, p.deel), rood);
        typ(f, "50");
        veegTotAntwoord(f);
        for (const auto& p : binnen)
            QCOMPARE(kleurOp(f->Picture1, p.graden, p.deel), blauw);
        for (const auto& p : buiten)
            QCOMPARE(kleurOp(f->Picture1, p.graden, p.deel), grijs);
        const QImage& img = f->Picture1->image(); // no red left along the smoothed edges
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y).red() > img.pixelColor(x, y).green() + 8)
                    QFAIL(qPrintable(QString("red at %1, %2").arg(x).arg(y)));
        // What the screen shows comes from the kept picture.
        const QImage shown = f->Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, f->Picture1->image().convertToFormat(QImage::Format_RGB32));
    }
};

TK_TEST(HoekenTest)
#include "hoeken_test.moc"
