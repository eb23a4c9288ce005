// The metric form played through as pupils do, and how a run of any of the
// six run forms ends: leaving, the end of the lesson, a file that cannot be
// written.
#include "app/sessionend.h"
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
    auto* f = open<MetricForm>("metriek", players, name1, "Bo", level, "Lengten");
    if (!f->timer->fire())
        qFatal("no first problem");
    return f;
}
} // namespace

class MetricFormTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { registerExercise("metriek"); }

    // A pasted answer with line breaks, then a wrong one, then leaving while
    // a problem waits: the waiting problem counts neither as answered nor in
    // the time, and closing the window afterwards gives no second summary.
    // The explanation comes before its results line; the file keeps one
    // line per answer (blanks for the breaks), the screen what was typed.
    void pastedAndWrongAnswersThenLeavingWhileAProblemWaits()
    {
        Session s(kmToCm(3));
        auto* f = start(2, "An\r\nB");
        s.clock->advance(3);
        QGuiApplication::clipboard()->setText("110000\r\n5");
        QTest::keyClick(f->answerBox1, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(f->answerBox1->text(), QString("110000\r\n5"));
        QTest::keyClick(f->answerBox1, Qt::Key_Return);
        QCOMPARE(f->feedbackLabel1->caption(), QString("Goedzo An\r\nB!    1 g"));
        QVERIFY(f->timer->fire());
        const QString logBefore = f->round().player(2).log;
        QString logWhileOpen;
        s.messages.whileOpen = [&](const ui::Message&) { logWhileOpen = f->round().player(2).log; };
        type(f->answerBox2, "110");
        QCOMPARE(logWhileOpen, logBefore);
        QCOMPARE(f->feedbackLabel2->caption(), QString("nee, het is  110000"));
        QCOMPARE(s.messages.last().title, QString("metriek"));
        QVERIFY(f->timer->fire());
        s.clock->advance(50);
        f->menuButton->click();
        QCOMPARE(s.messages.count(), 2); // the explanation and the summary
        QVERIFY(s.messages.last().text.contains(":\rJe had er  1 goed van de  1 in  3 sec."));
        f->close();
        QCOMPARE(s.messages.count(), 2);
        QCOMPARE(readFile("oefset2_1.txt"),
                 "An  B: (6-12-2026      10:15)\r\n\r\n 1.1 km = 110000  5 cm   Goed\r\n\r\n"
                 "eindresultaat:  1 goed van de  1\r\n\r\nBo: (6-12-2026      10:15)\r\n\r\n"
                 " 1.1 km = 110 cm       Fout ,het is  110000 cm\r\n\r\n"
                 "eindresultaat:  0 goed van de  1\r\n" +
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

    // Where the file should be there is a folder: the run says so before the
    // summary (what a failed append leaves: the results file's test).
    void aFileThatCannotBeWrittenIsReported()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("oefset2_1.txt"));
        const QString here = QDir::currentPath();
        QDir::setCurrent(dir.path());
        Session s(kmToCm(1));
        start(1, "Anna")->menuButton->click();
        QDir::setCurrent(here);
        QCOMPARE(s.messages.count(), 2);
        QCOMPARE(s.messages.messages[0].title, QString("Telkompas"));
        QCOMPARE(s.messages.messages[0].text,
                 QString("Je antwoorden konden niet worden opgeslagen in het bestand "
                         "oefset2_1.txt.\rVraag je leraar om hulp."));
        QCOMPARE(s.messages.messages[1].title, QString("metriek")); // the summary
    }
};

TK_TEST(MetricFormTest)
#include "metric_form_test.moc"
