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
    ui::FormRegistry::instance().add("metriek", [] { return new Metriek; });
    ui::FormRegistry::instance().add("wismenu", [] { return new ui::Form("wismenu"); });
}
} // namespace

class MetriekFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerMetric(); }
    void init()
    {
        QDir dir(QDir::currentPath());
        for (const QString& f : dir.entryList({"oefset*"}, QDir::Files))
            dir.remove(f);
    }

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

    void winnerRule_data()
    {
        QTest::addColumn<bool>("right1");
        QTest::addColumn<bool>("right2");
        QTest::addColumn<double>("time1");
        QTest::addColumn<double>("time2");
        QTest::addColumn<QString>("ending");
        QTest::newRow("more right wins") << true << false << 9.0 << 1.0 << " An heeft gewonnen !";
        QTest::newRow("equal score, less time wins")
            << true << true << 3.0 << 4.0 << " An heeft gewonnen !";
        QTest::newRow("equal score and time names player 2")
            << true << true << 3.0 << 3.0 << " Bo heeft gewonnen !";
        QTest::newRow("both zero names nobody") << false << false << 1.0 << 2.0 << "";
    }
    void winnerRule()
    {
        QFETCH(bool, right1);
        QFETCH(bool, right2);
        QFETCH(double, time1);
        QFETCH(double, time2);
        QFETCH(QString, ending);
        Session s(kmToCm(3));
        choose(2, "An", "Bo", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QCOMPARE(f->widthTw(), 7620);
        QVERIFY(f->Picture2->isVisible());
        QVERIFY(f->Timer1->fire());
        s.clock->advance(time1);
        type(f->tAntwoord1, right1 ? "110000" : "1");
        QVERIFY(f->Timer1->fire());
        QCOMPARE(f->lVulin2->caption(), QString(" Bo  vul in ! (nr.  1)"));
        QVERIFY(f->lVulin1->isHidden());
        s.clock->advance(time2);
        type(f->tAntwoord2, right2 ? "110000,0" : "2");
        QVERIFY(f->Timer1->fire()); // player 1's second problem
        s.clock->advance(50);       // waits unanswered: neither counted nor timed
        f->bNaarmenu->click();
        const QString summary = s.messages.last().text;
        QVERIFY2(summary.startsWith(QString("An:\rJe had er %1 goed van de  1 in %2 sec.")
                                        .arg(common::Str(right1 ? 1 : 0), common::Str(time1))),
                 qPrintable(summary));
        QVERIFY(summary.contains(QString("\r\rBo:\rJe had er %1 goed van de  1 in %2 sec.\r")
                                     .arg(common::Str(right2 ? 1 : 0), common::Str(time2))));
        QVERIFY(summary.endsWith(QString(45, '_') + "\r\r" + ending));
    }

    void twoPlayerBlockHoldsBothPlayers()
    {
        Session s(kmToCm(2));
        choose(2, "An", "Bo", 1, "Lengten");
        auto* f = open<Metriek>("metriek");
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord1, "110000");
        QVERIFY(f->Timer1->fire());
        type(f->tAntwoord2, "110.000");
        QCOMPARE(f->lGoedzo2->caption(), QString("nee, het is  110000"));
        QVERIFY(f->Timer1->fire());
        f->close(); // closing the window closes the run
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
        QCOMPARE(f->gedaan1, 0);
        QCOMPARE(f->tijd1, 0.0);
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
            logWhileOpen = f->verslag1;
            timerWhileOpen = f->Timer1->isEnabled();
        };
        type(f->tAntwoord1, "7");
        QVERIFY(!logWhileOpen.contains("Fout"));
        QVERIFY(!timerWhileOpen);
        QVERIFY(f->verslag1.endsWith("\r\n 1.1 km = 7 cm       Fout ,het is  110000 cm"));
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

    void mixedLevelTurnsThroughTheKindsAndWritesItsOwnFile()
    {
        Session s;
        choose(2, "An", "Bo", 4, "Door elkaar");
        auto* f = open<Metriek>("metriek");
        const int expected1[] = {1, 2, 3, 1};
        const int expected2[] = {2, 3, 1, 2};
        for (int k = 0; k < 4; ++k) {
            QVERIFY(f->Timer1->fire());
            QCOMPARE(f->opgave.niveau, expected1[k]);
            type(f->tAntwoord1, "1");
            QVERIFY(f->Timer1->fire());
            QCOMPARE(f->opgave.niveau, expected2[k]);
            type(f->tAntwoord2, "1");
        }
        QVERIFY(f->Timer1->fire());
        f->bNaarmenu->click();
        QCOMPARE(module1().niveau, std::int16_t(4));
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
