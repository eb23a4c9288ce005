// The metric form played through as pupils do; it is also the test of the
// exercise run that all six run forms share.
#include "common/numbertext.h"
#include "exercises/metric/metriek.h"
#include "rundriver.h"
#include "testmain.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace tktest;

namespace {
const QByteArray dashes(49, '-');

// Scripts one problem "1.1 km = ... cm" per call.
void scriptKmToCm(common::ScriptedRandom& r, int times)
{
    for (int i = 0; i < times; ++i) {
        r.addDraw(6, 7);     // van: km
        r.addDraw(1, 7);     // naar: cm
        r.addDraw(10, 1000); // g = 11
        r.addDraw(1, 6);     // e = 1: 1.1
    }
}

std::unique_ptr<common::ScriptedRandom> kmToCm(int times)
{
    auto r = std::make_unique<common::ScriptedRandom>();
    scriptKmToCm(*r, times);
    return r;
}

void registerMetric()
{
    registerExercise<Metriek>("metriek");
}
} // namespace

class MetriekFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerMetric(); }
    void init() { removeResultsFiles(); }

    void onePlayerPlaysTenProblemsAndTheFileGetsTheBlock()
    {
        Session s(kmToCm(10));
        choose(1, "Anna", "Bob", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QCOMPARE(f->caption(), QString("metriek    Lengten"));
        QCOMPARE(f->lVulin1->caption(), QString(" Let op Anna !"));
        QVERIFY(!f->bNaarmenu->isEnabled());
        QVERIFY(f->Picture2->isHidden());
        QCOMPARE(f->widthTw(), 4000);

        for (int nr = 1; nr <= 10; ++nr) {
            QVERIFY(f->Timer1->fire());
            QCOMPARE(f->lVulin1->caption(),
                     QString(" Anna  vul in ! (nr. %1)").arg(common::Str(nr)));
            QCOMPARE(f->lGetal1->caption(), QString(" 1.1"));
            QCOMPARE(f->lmetriek1onder->caption(), QString(" cm"));
            QVERIFY(f->bNaarmenu->isEnabled());
            QVERIFY(!f->Timer1->isEnabled());
            s.clock->advance(2.5);
            type(f->tAntwoord1, nr == 3 ? "110" : "110000");
            QVERIFY(!f->tAntwoord1->isEnabled());
            QVERIFY(!f->bNaarmenu->isEnabled());
            if (nr == 3) {
                QCOMPARE(f->lGoedzo1->caption(), QString("nee, het is  110000"));
                QCOMPARE(s.messages.last().title, QString("metriek"));
            } else {
                QCOMPARE(f->lGoedzo1->caption(),
                         QString("Goedzo Anna!   %1 g").arg(common::Str(nr < 3 ? nr : nr - 1)));
            }
        }
        QCOMPARE(s.messages.count(), 1); // the one explanation
        QVERIFY(f->Timer1->fire());      // the tick after the tenth answer closes the run
        QCOMPARE(s.messages.count(), 2);
        QCOMPARE(s.messages.last().title, QString("metriek"));
        QCOMPARE(s.messages.last().text,
                 QString("Anna:\rJe had er  9 goed van de  10 in  25 sec.\r") + QString(45, '_'));

        const QByteArray right = " 1.1 km = 110000 cm   Goed\r\n";
        QByteArray expected = "Anna: (6-12-2026      10:15)\r\n\r\n" + right + right +
                              " 1.1 km = 110 cm       Fout ,het is  110000 cm\r\n";
        for (int i = 0; i < 7; ++i)
            expected += right;
        expected += "\r\neindresultaat:  9 goed van de  10\r\n\r\n\r\n" + dashes + "\r\n";
        QCOMPARE(readFile("oefset2_1.txt"), expected);
        QVERIFY(!ui::FormRegistry::instance().find("metriek")); // unloaded
    }

    // The waiting problem counts neither as answered nor in the time.
    void twoPlayerBlockHoldsBothPlayers()
    {
        Session s(kmToCm(2));
        choose(2, "An", "Bo", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QCOMPARE(f->widthTw(), 7620);
        QVERIFY(f->Timer1->fire());
        s.clock->advance(3);
        type(f->tAntwoord1, "110000");
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lVulin2->caption(), QString(" Bo  vul in ! (nr.  1)"));
        QVERIFY(f->lVulin1->isHidden());
        s.clock->advance(4);
        type(f->tAntwoord2, "110.000");
        QCOMPARE(f->lGoedzo2->caption(), QString("nee, het is  110000"));
        QVERIFY(f->Timer1->fire());
        s.clock->advance(50);
        f->close(); // closing the window closes the run
        QVERIFY(s.messages.last().text.startsWith("An:\rJe had er  1 goed van de  1 in  3 sec."));
        QVERIFY(s.messages.last().text.endsWith("\r\r An heeft gewonnen !"));
        flushUnloads();
        QCOMPARE(readFile("oefset2_1.txt"),
                 "An: (6-12-2026      10:15)\r\n\r\n 1.1 km = 110000 cm   Goed\r\n\r\n"
                 "eindresultaat:  1 goed van de  1\r\n\r\n"
                 "Bo: (6-12-2026      10:15)\r\n\r\n"
                 " 1.1 km = 110.000 cm       Fout ,het is  110000 cm\r\n\r\n"
                 "eindresultaat:  0 goed van de  1\r\n" +
                     dashes + "\r\n");
    }

    // A pasted name and a pasted answer with line breaks: the file keeps one
    // line per answer (blanks for the breaks), the screen what was typed.
    void pastedLineBreaksStayOutOfTheFile()
    {
        Session s(kmToCm(1));
        choose(1, "Anna\r\nB", "", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QVERIFY(f->Timer1->fire());
        QGuiApplication::clipboard()->setText("110000\r\n5");
        QTest::keyClick(f->tAntwoord1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->tAntwoord1->text(), QString("110000\r\n5"));
        QTest::keyClick(f->tAntwoord1, Qt::Key_Return);
        QCOMPARE(f->lGoedzo1->caption(), QString("Goedzo Anna\r\nB!    1 g"));
        f->bNaarmenu->setEnabled(true);
        f->bNaarmenu->click();
        QCOMPARE(readFile("oefset2_1.txt"), "Anna  B: (6-12-2026      10:15)\r\n\r\n"
                                            " 1.1 km = 110000  5 cm   Goed\r\n\r\n"
                                            "eindresultaat:  1 goed van de  1\r\n\r\n\r\n" +
                                                dashes + "\r\n");
    }

    void enterOnAnEmptyBoxChangesNothing()
    {
        Session s(kmToCm(1));
        choose(1, "Anna", "", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QVERIFY(f->Timer1->fire());
        s.clock->advance(4);
        QTest::keyClick(f->tAntwoord1, Qt::Key_Return);
        QVERIFY(f->tAntwoord1->isEnabled());
        QVERIFY(f->lGoedzo1->isHidden());
        QCOMPARE(f->ronde().speler(1).count, 0);
        QCOMPARE(f->ronde().speler(1).time, 0.0);
    }

    void theExplanationComesBeforeTheResultsLine()
    {
        Session s(kmToCm(1));
        choose(1, "Anna", "", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QVERIFY(f->Timer1->fire());
        QString logWhileOpen;
        bool timerWhileOpen = true;
        s.messages.whileOpen = [&](const ui::Message&) {
            logWhileOpen = f->ronde().speler(1).verslag;
            timerWhileOpen = f->Timer1->isEnabled();
        };
        type(f->tAntwoord1, "7");
        QVERIFY(!logWhileOpen.contains("Fout"));
        QVERIFY(!timerWhileOpen);
        QVERIFY(f->ronde().speler(1).verslag.endsWith(
            "\r\n 1.1 km = 7 cm       Fout ,het is  110000 cm"));
        QVERIFY(f->Timer1->isEnabled());
    }

    void leavingBeforeAnyAnswerStillWritesABlock()
    {
        Session s(kmToCm(1));
        choose(1, "Anna", "", 2, "Oppervlakten");
        auto* f = open<Metriek>("metriek");
        QVERIFY(f->Timer1->fire());
        f->bNaarmenu->click();
        QCOMPARE(readFile("oefset2_2.txt"), "Anna: (6-12-2026      10:15)\r\n\r\n\r\n"
                                            "eindresultaat:  0 goed van de  0\r\n\r\n\r\n" +
                                                dashes + "\r\n");
        QCOMPARE(s.messages.count(), 1);
        f->close(); // after the run was closed: no second summary
        QCOMPARE(s.messages.count(), 1);
    }

    // The levels turn 1, 2, 3 by the number player 1's problem gives.
    void mixedLevelTurnsThroughTheKindsAndWritesItsOwnFile()
    {
        Session s;
        choose(2, "An", "Bo", 4, "Door elkaar");
        auto* f = open<Metriek>("metriek");
        QStringList niveaus;
        for (int k = 0; k < 4; ++k) {
            QVERIFY(f->Timer1->fire());
            niveaus << QString::number(f->opgave.niveau);
            type(f->tAntwoord(k % 2 + 1), "1");
        }
        QCOMPARE(niveaus.join(' '), QString("1 2 2 3"));
        QVERIFY(f->Timer1->fire());
        f->bNaarmenu->click();
        QVERIFY(QFile::exists("oefset2_4.txt"));
    }

    void earlierBlocksSurviveAndAFileThatCannotBeWrittenIsReported()
    {
        {
            QFile old("oefset2_1.txt");
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("eerder blok\r\n");
        }
        {
            Session s(kmToCm(1));
            choose(1, "Anna", "", 1, "Lengten");
            auto* f = open<Metriek>("metriek");
            QVERIFY(f->Timer1->fire());
            f->bNaarmenu->click();
        }
        QVERIFY(readFile("oefset2_1.txt").startsWith("eerder blok\r\nAnna: ("));

        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("oefset2_1.txt")); // a folder where the file should be
        const QString here = QDir::currentPath();
        QDir::setCurrent(dir.path());
        {
            Session s(kmToCm(1));
            choose(1, "Anna", "", 1, "Lengten");
            auto* f = open<Metriek>("metriek");
            QVERIFY(f->Timer1->fire());
            f->bNaarmenu->click();
            QCOMPARE(s.messages.count(), 2);
            QCOMPARE(s.messages.messages[0].title, QString("Telkompas"));
            QVERIFY(s.messages.messages[0].text.contains("oefset2_1.txt"));
            QCOMPARE(s.messages.messages[1].title, QString("metriek")); // the summary still comes
        }
        QDir::setCurrent("/proc"); // nothing can be created here, not even by root
        {
            Session s(kmToCm(1));
            choose(1, "Anna", "", 1, "Lengten");
            auto* f = open<Metriek>("metriek");
            QVERIFY(f->Timer1->fire());
            f->bNaarmenu->click();
            QCOMPARE(s.messages.messages[0].title, QString("Telkompas"));
        }
        QDir::setCurrent(here);
    }
};

TK_TEST(MetriekFormTest)
#include "metriek_form_test.moc"
