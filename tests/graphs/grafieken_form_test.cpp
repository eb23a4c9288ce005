// The graph form played through as pupils do.
#include "common/numbertext.h"
#include "exercises/graphs/grafieken.h"
#include "rundriver.h"
#include "testmain.h"

#include <QDir>

using namespace tktest;

namespace {

const QString CRLF = "\r\n";

void answer(Grafieken* f, const QString& text)
{
    f->Text1->clear(); // the pupil edits the box
    type(f->Text1, text);
}

// A horizontal line far above the picture: never right.
QString wrong(int k)
{
    return QString::number(30 + k);
}

void again(Grafieken* f)
{
    QTest::mouseClick(f->bVolgende, Qt::LeftButton);
}
void help(Grafieken* f)
{
    QTest::mouseClick(f->bUitleg, Qt::LeftButton);
}

// One function answered right after `failures` wrong answers; returns the
// log lines it adds.
QString play(Grafieken* f, int failures)
{
    const QString given = f->spel.doelformule;
    QString log = CRLF + "functie: " + f->Text2->text() + given + CRLF + "invoer:";
    for (int k = 0; k < failures; ++k) {
        answer(f, wrong(k));
        log += (k == 0 ? "" : CRLF + "       ") + wrong(k);
        again(f);
    }
    answer(f, given);
    log += (failures == 0 ? "" : CRLF + "       ") + given;
    return log;
}

} // namespace

class GrafiekenFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise<Grafieken>("grafieken"); }
    void init() { removeResultsFiles(); }

    void onePlayerScoresByAttemptAndTheFileGetsTheRun()
    {
        Session s;
        choose(1, "Anna", "", 1, "Lijnen niveau 1");
        auto* f = open<Grafieken>("grafieken");
        QCOMPARE(f->caption(), QString("Functies raden    Lijnen niveau 1"));
        QCOMPARE(f->lGoedzo->caption(), QString("Vul in, Anna !"));
        QCOMPARE(f->lResultaat->caption(), QString("Anna:  0 punten uit  0\n"));
        QVERIFY(!f->bVolgende->isEnabled());

        QString log = "Anna: (6-12-2026      10:15)" + CRLF;
        const int failures[10] = {0, 1, 2, 3, 4, 0, 0, 0, 0, 0};
        const int points[10] = {10, 5, 3, 1, 0, 10, 10, 10, 10, 10};
        int total = 0;
        for (int nr = 0; nr < 10; ++nr) {
            QCOMPARE(f->spel.functieNr, nr + 1);
            log += play(f, failures[nr]);
            total += points[nr];
            log += "   " + common::Str(points[nr]) + " pt.";
            QCOMPARE(f->lGoedzo->caption(), QString("Goed zo, Anna !"));
            QCOMPARE(f->bVolgende->caption(), QString("Volgende"));
            QCOMPARE(f->bUitleg->caption(), QString(failures[nr] >= 4 ? "Antwoord" : "Hulp"));
            QCOMPARE(f->spel.spelers[0].score, total);
            if (nr < 9) {
                again(f);
                QCOMPARE(f->Text1->text(), QString()); // a new function: empty box
            }
        }
        QCOMPARE(f->lResultaat->caption(), QString("Anna:  69 punten uit  10\n"));
        again(f); // after the tenth function the run closes

        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("Functies raden"));
        QVERIFY(s.messages.last().text.contains("Je hebt  69 punten gehaald."));
        log += CRLF + CRLF + "eindresultaat:  69 punten uit  10" + CRLF + "Dat is  69 procent";
        QCOMPARE(QString::fromUtf8(readFile("oefset7_1.txt")),
                 log + CRLF + CRLF + CRLF + QString(49, '-') + CRLF);
        flushUnloads();
        QVERIFY(!ui::FormRegistry::instance().find("grafieken"));
    }

    void wrongAnswerIsDrawnAndEditedAgain()
    {
        Session s;
        choose(1, "Anna", "", 2, "Lijnen niveau 2");
        auto* f = open<Grafieken>("grafieken");
        answer(f, wrong(0));
        QCOMPARE(f->lGoedzo->caption(), QString("fout, Anna"));
        QCOMPARE(f->bVolgende->caption(), QString("Dezelfde nog eens"));
        QVERIFY(f->bVolgende->isEnabled());
        QVERIFY(!f->Text1->isEnabled());
        QCOMPARE(f->kleur, 1); // the first pupil curve is blue
        again(f);
        QCOMPARE(f->lGoedzo->caption(), QString("Vul in, Anna !"));
        QVERIFY(f->Text1->isEnabled());
        QCOMPARE(f->Text1->text(), wrong(0));
        QCOMPARE(f->rijen, f->doelrijen); // the answer's curve is gone
        QCOMPARE(f->spel.poging, 1);

        // The same answer again does nothing.
        const QString before = f->spel.spelers[0].verslag;
        QTest::keyClick(f->Text1, Qt::Key_Return);
        QCOMPARE(f->spel.spelers[0].verslag, before);
        QVERIFY(f->Text1->isEnabled());
        QCOMPARE(f->lGoedzo->caption(), QString("Vul in, Anna !"));

        // A decimal comma becomes a point: only the first.
        answer(f, "31,5");
        QVERIFY(f->spel.spelers[0].verslag.endsWith(CRLF + "       31.5"));
        QCOMPARE(f->kleur, 2);
        QCOMPARE(s.messages.count(), 0);
        again(f);
        answer(f, "31,5,5");
        QCOMPARE(s.messages.count(), 1); // "31.5,5" cannot be read
    }

    void rejectedFormulaCostsAnAttempt()
    {
        Session s;
        choose(1, "Anna", "", 1, "Lijnen niveau 1");
        auto* f = open<Grafieken>("grafieken");
        const graphs::Rijen given = f->rijen;
        answer(f, "2w+!");
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(s.messages.last().title, QString("Functies raden"));
        QCOMPARE(s.messages.last().text, graphs::formulaErrorText());
        QVERIFY(f->Text1->isEnabled()); // the box stays open
        QVERIFY(!f->bVolgende->isEnabled());
        QCOMPARE(f->rijen, given); // nothing drawn
        QCOMPARE(f->spel.poging, 1);
        QVERIFY(f->spel.spelers[0].verslag.endsWith("invoer:2w+!"));
        QCOMPARE(f->spel.spelers[0].count, 1);
        answer(f, f->spel.doelformule);
        QCOMPARE(f->spel.spelers[0].score, 5);
    }

    void answerButtonAfterFourFailures()
    {
        Session s;
        choose(1, "Anna", "", 6, "Wortelfuncties ");
        auto* f = open<Grafieken>("grafieken");
        for (int k = 0; k < 4; ++k) {
            QCOMPARE(f->bUitleg->caption(), QString("Hulp"));
            answer(f, wrong(k));
            again(f);
        }
        QCOMPARE(f->bUitleg->caption(), QString("Antwoord"));
        const QString log = f->spel.spelers[0].verslag;
        const QString given = f->spel.doelformule;
        help(f);
        QCOMPARE(f->Text1->text(), given); // with its spaces, as generated
        QVERIFY(f->Text1->isEnabled());
        QCOMPARE(f->bVolgende->caption(), QString("Volgende"));
        QVERIFY(f->bVolgende->isEnabled());
        QCOMPARE(f->spel.spelers[0].score, 0);
        QCOMPARE(f->spel.spelers[0].verslag, log);
        for (int k = 0; k < 3; ++k) { // Enter on the shown answer, "Antwoord" again
            QTest::keyClick(f->Text1, Qt::Key_Return);
            help(f);
        }
        answer(f, given);
        QCOMPARE(f->spel.spelers[0].score, 0);
        QCOMPARE(f->spel.spelers[0].count, 1);
        QCOMPARE(f->spel.spelers[0].verslag, log);
        again(f);
        QCOMPARE(f->spel.functieNr, 2);
        QCOMPARE(f->spel.poging, 0);
        QCOMPARE(f->bUitleg->caption(), QString("Hulp"));
        answer(f, f->spel.doelformule);
        QCOMPARE(f->spel.spelers[0].score, 10);
    }

    void helpOpenedAndLeftMidFunction()
    {
        Session s;
        choose(1, "Anna", "", 2, "Lijnen niveau 2");
        auto* f = open<Grafieken>("grafieken");
        const graphs::AsLetters as = f->as;
        answer(f, wrong(0));
        help(f);
        QCOMPARE(f->bUitleg->caption(), QString("Verder"));
        QVERIFY(f->Image1->isVisible());
        QVERIFY(!f->Picture1->isVisible());
        QVERIFY(!f->bVolgende->isVisible());
        QVERIFY(!f->Text1->isEnabled());

        help(f); // the lines page: graph on the left, text on the right
        QCOMPARE(f->bUitleg->caption(), QString("Terug"));
        QVERIFY(f->Picture1->isVisible());
        QVERIFY(!f->Image1->isVisible());
        QCOMPARE(f->as.xschaal, as.xschaal);
        QCOMPARE(f->as.variabele, as.variabele);

        help(f);
        QCOMPARE(f->bUitleg->caption(), QString("Hulp"));
        QVERIFY(f->bVolgende->isVisible());
        QVERIFY(!f->bVolgende->isEnabled());
        QCOMPARE(f->bVolgende->caption(), QString("Volgende"));
        QCOMPARE(f->Text1->text(), wrong(0));
        QVERIFY(f->Text1->isEnabled());
        QCOMPARE(f->rijen, f->doelrijen);
        QCOMPARE(f->as.yschaal, as.yschaal);
        QCOMPARE(f->as.functieletter, as.functieletter);
        QCOMPARE(f->spel.poging, 0); // the wrong answer is not counted on this path
        answer(f, f->spel.doelformule);
        QCOMPARE(f->spel.spelers[0].score, 10);
    }

    void helpPagesPerLevel_data()
    {
        QTest::addColumn<int>("niveau");
        QTest::addColumn<int>("pages");
        QTest::newRow("lines") << 1 << 1;
        QTest::newRow("parabolas: two pages") << 3 << 2;
        QTest::newRow("sine then cosine") << 4 << 2;
        QTest::newRow("square root") << 6 << 1;
        QTest::newRow("mixed: the overview page") << 7 << 1;
    }
    void helpPagesPerLevel()
    {
        QFETCH(int, niveau);
        QFETCH(int, pages);
        Session s;
        choose(1, "Anna", "", niveau, "Keuze");
        auto* f = open<Grafieken>("grafieken");
        help(f);
        for (int page = 1; page <= pages; ++page) {
            help(f);
            QCOMPARE(f->bUitleg->caption(), QString(page < pages ? "Verder" : "Terug"));
        }
        help(f);
        QCOMPARE(f->bUitleg->caption(), QString("Hulp"));
    }

    void twoPlayersTakeTurns()
    {
        Session s;
        choose(2, "Anna", "Bram", 3, "Parabolen      ");
        auto* f = open<Grafieken>("grafieken");
        const QPalette first = f->lGoedzo1->palette(), second = f->lGoedzo2->palette();
        for (int nr = 1; nr <= 10; ++nr) {
            QCOMPARE(f->spel.beurt, 1);
            QCOMPARE(f->spel.functieNr, nr);
            QCOMPARE(f->lGoedzo->caption(), QString("Vul in, Anna !"));
            QCOMPARE(f->lGoedzo->palette().color(QPalette::Window), first.color(QPalette::Window));
            play(f, 0);
            again(f);
            QCOMPARE(f->spel.beurt, 2);
            QCOMPARE(f->spel.functieNr, nr);
            QCOMPARE(f->lGoedzo->caption(), QString("Vul in, Bram !"));
            QCOMPARE(f->lGoedzo->palette().color(QPalette::WindowText),
                     second.color(QPalette::WindowText));
            play(f, nr == 4 ? 1 : 0);
            QCOMPARE(f->lGoedzo->caption(), QString("Goed zo, Bram !"));
            again(f);
        }
        QCOMPARE(s.messages.count(), 1);
        const QString summary = s.messages.last().text;
        QVERIFY(summary.contains("Bram:\rJe hebt  10 functies gehad.\rJe hebt  95 punten gehaald."
                                 "\rDat is  95 procent!"));
        QVERIFY(summary.endsWith("\r\rAnna heeft gewonnen !"));
        const QString file = QString::fromUtf8(readFile("oefset7_3.txt"));
        QVERIFY(file.startsWith("Anna: (6-12-2026      10:15)"));
        QVERIFY(file.contains("eindresultaat:  100 punten uit  10\r\nDat is  100 procent\r\n\r\n"
                              "Bram: (6-12-2026      10:15)"));
        QVERIFY(file.endsWith("Dat is  95 procent\r\n" + QString(49, '-') + "\r\n"));
    }

    void mixedLevelGivesEachPlayerTheFiveKindsAndIsFiledUnderSeven()
    {
        Session s(std::make_unique<common::SeededRandom>(11));
        choose(2, "Anna", "Bram", 7, "Soorten door elkaar");
        auto* f = open<Grafieken>("grafieken");
        int first = 0; // the kind drawn first: had by player 1 without being played
        for (int k = 3; k <= 8; ++k)
            if (f->spel.gebruikt[0][k] && k != f->spel.soort)
                first = k;
        QVERIFY(f->spel.doorElkaar && first != 0);
        QSet<int> anna{first}, bram;
        for (int round = 0; round < 5; ++round) {
            for (QSet<int>* kinds : {&anna, &bram}) {
                if (kinds == &bram || round < 4)
                    QVERIFY2(!kinds->contains(f->spel.soort), "a kind came back too soon");
                *kinds << f->spel.soort;
                answer(f, f->spel.doelformule);
                again(f);
            }
        }
        QCOMPARE(anna, (QSet<int>{3, 4, 6, 7, 8}));
        QCOMPARE(bram, (QSet<int>{3, 4, 6, 7, 8}));
        QTest::mouseClick(f->bNaarmenu, Qt::LeftButton);
        QVERIFY(QFile::exists("oefset7_7.txt")); // filed under the mixed level
    }

    void closingTheWindowClosesTheRunOnce()
    {
        Session s;
        choose(1, "Anna", "", 1, "Lijnen niveau 1");
        auto* f = open<Grafieken>("grafieken");
        answer(f, f->spel.doelformule);
        f->close();
        QCOMPARE(s.messages.count(), 1);
        QVERIFY(s.messages.last().text.contains("Je hebt  10 punten gehaald."));
        QVERIFY(f->afgesloten());
        f->sluitRun();
        QCOMPARE(s.messages.count(), 1);
        QVERIFY(QString::fromUtf8(readFile("oefset7_1.txt")).count("eindresultaat") == 1);
    }
};

TK_TEST(GrafiekenFormTest)
#include "grafieken_form_test.moc"
