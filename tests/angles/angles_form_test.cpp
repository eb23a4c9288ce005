#include "exercises/angles/anglesform.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"
#include "ui/twips.h"

#include <cmath>

namespace {
const QString closingLine(45, QLatin1Char('_'));
} // namespace

class AnglesFormTest : public QObject {
    Q_OBJECT

    // A fixed clock and a message recorder for each test; it unloads every
    // form at the end.
    std::unique_ptr<tktest::Session> session;

    // Opens the game for one or two players; every angle it draws is start
    // 30, size `size` (after a first draw that does not fit).
    AnglesForm* open(int players, int size = 60, int angleCount = 15)
    {
        tktest::choose(players, "Anna", "Bram", 1, "Hoeken raden");
        // The first starts too close to the right: drawn again.
        auto rnd = tktest::ScriptedRandom::of({1, 360, 0, 160});
        for (int i = 0; i < angleCount; ++i) {
            rnd->addDraw(30, 360);
            rnd->addDraw(size - 10, 160);
        }
        common::setRandom(std::move(rnd));
        return qobject_cast<AnglesForm*>(ui::FormRegistry::instance().show("hoeken"));
    }
    // Ticks until the answer shows; returns the number of sweep steps.
    static int sweepToAnswer(AnglesForm* f)
    {
        int steps = 0;
        while (!f->answerLabel->isVisible() && f->timer->fire())
            ++steps;
        return steps;
    }
    // One angle: each player's guess, then the sweep and the tick after it.
    static void play(AnglesForm* f, const QStringList& guesses)
    {
        for (const QString& g : guesses)
            tktest::retype(f->answerBox, g);
        sweepToAnswer(f);
        f->timer->fire();
    }

    // The colour of the drawing at a point given around the circle's centre:
    // degrees counter-clockwise on the screen from the right, and a part of
    // the radius.
    static QColor colourAt(const ui::PictureBox* pic, double degrees, double radiusPart)
    {
        const QImage& img = pic->image();
        const QPointF c = pic->toPixels(AnglesForm::centreX, AnglesForm::centreY);
        const double r = pic->toPixels(AnglesForm::centreX + AnglesForm::radius, 0).x() - c.x();
        const double a = degrees * M_PI / 180;
        const QPointF p =
            (c + QPointF(std::cos(a), -std::sin(a)) * r * radiusPart) * img.devicePixelRatio();
        return img.pixelColor(int(std::floor(p.x())), int(std::floor(p.y())));
    }

private slots:
    void initTestCase() { tktest::registerExercise("hoeken"); }
    void init()
    {
        session = std::make_unique<tktest::Session>();
        tktest::MenuProbe::shown = 0;
    }
    void cleanup() { session.reset(); }

    // Nonsense is ignored; a guess scores, the sweep shows the answer, the
    // next tick the next angle; the game ends once the sweep after 100 is done.
    void onePlayerPlaysTo100()
    {
        AnglesForm* f = open(1);
        QCOMPARE(f->caption(), QString("Hoeken raden "));
        QCOMPARE(f->promptLabel->caption(), QString("Anna: hoeveel graden"));
        tktest::retype(f->answerBox, "zestig");
        QVERIFY(!f->timer->isEnabled() && f->answerBox->isEnabled() &&
                !f->pointsLabel->isVisible());
        tktest::retype(f->answerBox, "69");
        QCOMPARE(f->pointsLabel->caption(), QString("Anna:  1 punten"));
        QVERIFY(f->timer->isEnabled() && !f->answerBox->isEnabled() && !f->menuButton->isEnabled());
        QCOMPARE(sweepToAnswer(f), 6);
        QCOMPARE(f->answerLabel->caption(), QString("De hoek was  60 graden (geraden: 69)"));
        QVERIFY(f->timer->fire()); // the tick after the answer puts up the next angle
        QVERIFY(!f->timer->isEnabled() && f->menuButton->isEnabled());
        QVERIFY(f->answerBox->isEnabled() && f->answerBox->text().isEmpty());
        QVERIFY(f->answerLabel->isVisible()); // stays until the next guess
        tktest::retype(f->answerBox, "60");
        QVERIFY(!f->answerLabel->isVisible());
        play(f, {});
        for (int i = 0; i < 8; ++i)
            play(f, {"60"});
        tktest::retype(f->answerBox, "60"); // 101 points now, but the sweep comes first
        sweepToAnswer(f);
        QCOMPARE(session->messages.count(), 0);
        f->timer->fire();
        QCOMPARE(session->messages.count(), 1);
        QCOMPARE(session->messages.last().title, QString("Hoeken raden"));
        QCOMPARE(session->messages.last().text, "Anna: in  11 beurten  101 punten\r" + closingLine);
        QCOMPARE(tktest::MenuProbe::shown, 1);
        QVERIFY(!ui::FormRegistry::instance().find("hoeken"));
    }

    void twoPlayersTakeTurns()
    {
        AnglesForm* f = open(2);
        const QColor anna = f->promptLabel->palette().color(QPalette::WindowText);
        tktest::retype(f->answerBox, "60");
        QCOMPARE(f->promptLabel->caption(), QString("Bram: hoeveel graden"));
        QVERIFY(f->promptLabel->palette().color(QPalette::WindowText) != anna);
        QVERIFY(f->answerBox->text().isEmpty() && f->answerBox->isEnabled());
        QVERIFY(!f->timer->isEnabled() && !f->pointsLabel->isVisible());
        tktest::retype(f->answerBox, "65");
        QVERIFY(f->timer->isEnabled() && !f->answerBox->isVisible() &&
                !f->promptLabel->isVisible());
        QCOMPARE(f->pointsLabel->text(), QString("Anna:  10 punten\nBram:  5 punten")); // two lines
        sweepToAnswer(f);
        QCOMPARE(f->answerLabel->caption(), QString("De hoek was  60 graden (geraden: 60 en  65)"));
        f->timer->fire();
        QCOMPARE(f->promptLabel->caption(), QString("Anna: hoeveel graden"));
        QVERIFY(f->promptLabel->isVisible() && f->answerBox->isVisible() &&
                f->focusWidget() == f->answerBox);
        for (int i = 0; i < 9; ++i)
            play(f, {"60", "65"});
        QCOMPARE(session->messages.count(), 1);
        QCOMPARE(session->messages.last().text,
                 "Anna heeft gewonnen in  10 beurten (met  100 punten)\rBram had  50 punten\r" +
                     closingLine);
    }

    // Closing the window mid-sweep, or "Naar menu", ends the game once.
    void leavingEndsTheGameOnce()
    {
        AnglesForm* f = open(1);
        tktest::retype(f->answerBox, "60");
        f->timer->fire();
        f->close();
        QCOMPARE(session->messages.count(), 1);
        QVERIFY(!f->timer->isEnabled());
        f = open(1);
        f->menuButton->click();
        f->close();
        QCOMPARE(session->messages.count(), 2);
        QCOMPARE(tktest::MenuProbe::shown, 2);
        QVERIFY(!ui::FormRegistry::instance().find("hoeken"));
    }

    void sectorLiesWhereTheAngleIs()
    {
        AnglesForm* f = open(1, 47); // from 30 to 77 degrees
        const QColor red(255, 0, 0), blue(0, 0, 255), grey = ui::colour(7);
        const struct {
            double degrees, part;
        } inside[] = {{32, 0.9}, {75, 0.9}, {53, 0.5}, {53, 0.97}},
          outside[] = {{28, 0.9}, {79, 0.9}, {53, 1.03}, {233, 0.5}};
        for (const auto& p : inside)
            QCOMPARE(colourAt(f->angleArea, p.degrees, p.part), red);
        tktest::retype(f->answerBox, "50");
        sweepToAnswer(f);
        for (const auto& p : inside)
            QCOMPARE(colourAt(f->angleArea, p.degrees, p.part), blue);
        for (const auto& p : outside)
            QCOMPARE(colourAt(f->angleArea, p.degrees, p.part), grey);
        const QImage& img = f->angleArea->image(); // no red left along the smoothed edges
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y).red() > img.pixelColor(x, y).green() + 8)
                    QFAIL(qPrintable(QString("red at %1, %2").arg(x).arg(y)));
        // What the screen shows comes from the kept picture.
        const QImage shown = f->angleArea->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, f->angleArea->image().convertToFormat(QImage::Format_RGB32));
    }
};

TK_TEST(AnglesFormTest)
#include "angles_form_test.moc"
