// The metric form played through as pupils do; it is also the test of the
// exercise run that all six run forms share.
#include "app/sessionend.h"
#include "common/numbertext.h"
#include "exercises/metric/metricform.h"
#include "rundriver.h"
#include "scriptedrandom.h"
#include "testmain.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>

using namespace tktest;

namespace {
const QByteArray dashes(49, '-');

// Scripts one problem "1.1 km = ... cm" per call.
std::unique_ptr<tktest::ScriptedRandom> kmToCm(int times)
{
    auto r = std::make_unique<tktest::ScriptedRandom>();
    for (int i = 0; i < times; ++i)
        r->addDraws({6, 7, 1, 7, 10, 1000, 1, 6}); // km, cm, g = 11, e = 1: 1.1
    return r;
}

// Opens the form as the menu does and gives player 1 the first problem.
MetricForm* start(int players, const QString& name1, int level = 1)
{
    choose(players, name1, "Bo", level, "Lengten");
    auto* f = open<MetricForm>("metriek");
    if (!f->timer->fire())
        qFatal("no first problem");
    return f;
}
} // namespace

class MetricFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("metriek"); }
    void init() { removeResultsFiles(); }

    // One wrong answer among ten: its explanation comes before its results
    // line, and the file gets the metric lines.
    void onePlayerPlaysTenProblemsAndTheFileGetsTheBlock()
    {
        Session s(kmToCm(10));
        auto* f = start(1, "Anna");
        QString logWhileOpen; // of the explanation, the first box
        s.messages.whileOpen = [&](const ui::Message&) {
            if (logWhileOpen.isEmpty())
                logWhileOpen = f->round().player(1).log;
        };
        for (int number = 1; number <= 10; ++number) {
            QCOMPARE(f->numberLabel1->caption() + f->toUnitLabel1->caption(), QString(" 1.1 cm"));
            s.clock->advance(2.5);
            type(f->answerBox1, number == 3 ? "110" : "110000");
            const int score = number < 3 ? number : number - 1;
            QCOMPARE(f->feedbackLabel1->caption(),
                     number == 3 ? "nee, het is  110000"
                                 : "Goedzo Anna!   " + common::Str(score) + " g");
            QVERIFY(f->timer->fire()); // the tick after the tenth answer closes the run
        }
        QVERIFY(logWhileOpen.endsWith("110000 cm   Goed"));
        QCOMPARE(s.messages.count(), 2); // the one explanation and the summary
        QCOMPARE(s.messages.messages[0].title, QString("metriek"));
        QVERIFY(
            s.messages.last().text.startsWith("Anna:\rJe had er  9 goed van de  10 in  25 sec."));
        const QByteArray right = " 1.1 km = 110000 cm   Goed\r\n";
        const QByteArray expected =
            "Anna: (6-12-2026      10:15)\r\n\r\n" + right.repeated(2) +
            " 1.1 km = 110 cm       Fout ,het is  110000 cm\r\n" + right.repeated(7) +
            "\r\neindresultaat:  9 goed van de  10\r\n\r\n\r\n" + dashes + "\r\n";
        QCOMPARE(readFile("oefset2_1.txt"), expected);
    }

    // Leaving while a problem waits: it counts neither as answered nor in
    // the time; closing the window afterwards gives no second summary. A
    // pasted name and answer with line breaks: the file keeps one line per
    // answer (blanks for the breaks), the screen what was typed.
    void leavingWhileAProblemWaitsAfterPastedLineBreaks()
    {
        Session s(kmToCm(2));
        auto* f = start(2, "An\r\nB");
        s.clock->advance(3);
        QGuiApplication::clipboard()->setText("110000\r\n5");
        QTest::keyClick(f->answerBox1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->answerBox1->text(), QString("110000\r\n5"));
        QTest::keyClick(f->answerBox1, Qt::Key_Return);
        QCOMPARE(f->feedbackLabel1->caption(), QString("Goedzo An\r\nB!    1 g"));
        QVERIFY(f->timer->fire());
        s.clock->advance(50);
        f->menuButton->click();
        QCOMPARE(s.messages.count(), 1);
        QVERIFY(s.messages.last().text.contains(":\rJe had er  1 goed van de  1 in  3 sec."));
        f->close();
        QCOMPARE(s.messages.count(), 1);
        QCOMPARE(readFile("oefset2_1.txt"),
                 "An  B: (6-12-2026      10:15)\r\n\r\n 1.1 km = 110000  5 cm   Goed\r\n\r\n"
                 "eindresultaat:  1 goed van de  1\r\n\r\nBo: (6-12-2026      10:15)\r\n\r\n\r\n"
                 "eindresultaat:  0 goed van de  0\r\n" +
                     dashes + "\r\n");
    }

    // The computer is shut down at the end of the lesson during a run: the
    // file gets what "Naar menu" would write at that moment, and no summary
    // box waits for a click.
    void theEndOfTheLessonWritesWhatTheMenuButtonWrites_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("after one answer") << true;
        QTest::newRow("before the first answer") << false;
    }
    void theEndOfTheLessonWritesWhatTheMenuButtonWrites()
    {
        QFETCH(bool, answered);
        QByteArray written[2];
        for (const bool stopped : {false, true}) {
            removeResultsFiles();
            Session s(kmToCm(2));
            auto* f = start(1, "Anna");
            if (answered) {
                s.clock->advance(3);
                type(f->answerBox1, "110000");
                QVERIFY(f->timer->fire());
            }
            if (stopped)
                endOpenRuns();
            else
                f->menuButton->click();
            ui::setBoxesSkipped(false);
            QCOMPARE(s.messages.count(), stopped ? 0 : 1);
            flushUnloads();
            QVERIFY(!ui::FormRegistry::instance().find("metriek"));
            written[stopped] = readFile("oefset2_1.txt");
        }
        QVERIFY(written[0].contains("eindresultaat:  " + QByteArray(answered ? "1" : "0")));
        QCOMPARE(written[1], written[0]);
    }

    // Leaving at once, with a file before, with a folder where the file
    // should be, and where nothing can be made at all.
    void earlierBlocksSurviveAndAFileThatCannotBeWrittenIsReported()
    {
        QFile old("oefset2_1.txt");
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("eerder blok\r\n") == 13);
        old.close();
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("oefset2_1.txt"));
        const QString here = QDir::currentPath();
        for (const QString& folder : {here, dir.path(), QString("/proc")}) {
            QDir::setCurrent(folder); // in /proc not even root can make a file
            Session s(kmToCm(1));
            start(1, "Anna")->menuButton->click();
            QDir::setCurrent(here);
            QCOMPARE(s.messages.count(), folder == here ? 1 : 2);
            QCOMPARE(s.messages.messages[0].title,
                     QString(folder == here ? "metriek" : "Telkompas"));
            if (folder == dir.path()) {
                QCOMPARE(s.messages.messages[0].text,
                         QString("Je antwoorden konden niet worden opgeslagen in het bestand "
                                 "oefset2_1.txt.\rVraag je leraar om hulp."));
                QCOMPARE(s.messages.messages[1].title, QString("metriek")); // the summary
            }
        }
        QVERIFY(readFile("oefset2_1.txt").startsWith("eerder blok\r\nAnna: ("));
    }
};

TK_TEST(MetricFormTest)
#include "metric_form_test.moc"
