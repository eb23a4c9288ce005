// The class overview on a folder of results files: the table, its filters,
// a pupil's chart, the CSV export, the PDF report, following the folder while
// pupils play, and the command line that opens it.
#include "app/overview/answersview.h"
#include "app/overview/chartdata.h"
#include "app/overview/csvexport.h"
#include "app/overview/folderreader.h"
#include "app/overview/overviewwindow.h"
#include "app/overview/problemsview.h"
#include "app/overview/pupilchart.h"
#include "exposed.h"
#include "run/commandline.h"
#include "rundriver.h"
#include "testmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QXYSeries>

using namespace overview;
using tktest::block, tktest::metricPart;

namespace {
QStringList rows(const QAbstractItemModel& m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < m.columnCount(); ++c)
            cells << m.index(r, c).data().toString();
        out << cells.join('|');
    }
    return out;
}

// Another program writing to a results file: count blocks, one every few ms.
int appendBlocks(const QStringList& args)
{
    for (int k = 0; k < args[1].toInt(); ++k) {
        tktest::writeFile(args[0], block(metricPart("Bram", "5-12-2026", 1, 1)), true);
        QThread::msleep(5);
    }
    return 0;
}

// A click with the mouse on a point of the chart's line.
void clickPoint(PupilChart* chart, int line, int point)
{
    auto* series = static_cast<QXYSeries*>(chart->chart()->series().at(line));
    const QPointF at = chart->chart()->mapToPosition(series->at(point), series);
    QTest::mouseClick(chart->viewport(), Qt::LeftButton, {},
                      chart->mapFromScene(chart->chart()->mapToScene(at)));
}
} // namespace

// The overview as the program opens it, its window closed after the given
// milliseconds; "closed" on standard output then.
int overviewClosedWhileReading(const QStringList& args)
{
    int argc = 1;
    char name[] = "overzicht";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    OverviewWindow window;
    window.open(args[0]);
    window.show();
    QTimer::singleShot(args[1].toInt(), &window, [&window] {
        window.close();
        std::puts("closed");
        std::fflush(stdout);
    });
    return app.exec();
}

TK_CHILD_MODE(appendBlocks, appendBlocks)
TK_CHILD_MODE(overviewClosedWhileReading, overviewClosedWhileReading)

class OverviewWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<OverviewWindow> w;

private slots:
    void init()
    {
        tktest::writeFile(dir.filePath("oefset2_1.txt"),
                          block(metricPart("Anna", "2-12-2026", 5, 10)) +
                              block(metricPart("Anna", "4-12-2026", 9, 10),
                                    metricPart("Bram", "4-12-2026", 3, 4)),
                          true);
        QDir().mkpath(dir.filePath("klas2b"));
        tktest::writeFile(dir.filePath("klas2b/oefset3_1.txt"),
                          block(metricPart("Anna", "3-12-2026", 2, 3)) +
                              block(metricPart("Bram", "3-12-2026", 0, 0)),
                          true);
        w = std::make_unique<OverviewWindow>();
        QSignalSpy done(w.get(), &OverviewWindow::readingDone);
        w->open(dir.path());
        QVERIFY(done.wait());
    }
    void cleanup()
    {
        w.reset();
        for (const char* f : {"oefset2_1.txt", "klas2b/oefset3_1.txt"})
            QFile::remove(dir.filePath(f));
    }

    void theTableHasARowPerPupilAndExerciseLevel()
    {
        const QString few = "te weinig gegevens|verder oefenen met ";
        QCOMPARE(rows(*w->sorted),
                 (QStringList{"Anna|Metriek: lengten|2|20|90,0|90,0|4-12-2026 10:15|71|"
                              "verder oefenen met Metriek: lengten",
                              "Anna|Sommen: optellen/aftrekken 1|1|3|66,7|66,7|3-12-2026 10:15|" +
                                  few + "Sommen: optellen/aftrekken 1 (te weinig gegevens)",
                              "Bram|Metriek: lengten|1|4|75,0|75,0|4-12-2026 10:15|" + few +
                                  "Metriek: lengten (te weinig gegevens)",
                              "Bram|Sommen: optellen/aftrekken 1|1|0|||3-12-2026 10:15|" + few +
                                  "Sommen: optellen/aftrekken 1 (te weinig gegevens)"}));
        w->table->sortByColumn(ClassTable::Best, Qt::DescendingOrder);
        QCOMPARE(w->sorted->index(0, ClassTable::Best).data().toString(), QString("90,0"));
        QCOMPARE(w->statusText(), QString("2 bestanden, 5 keer gespeeld; de map wordt gevolgd."));
    }

    void filters_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("exercise"); // index in the exercise box
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QStringList>("expected"); // name, exercise, runs, last %
        const QString m = "Metriek: lengten|", s = "Sommen: optellen/aftrekken 1|";
        // clang-format off
        QTest::newRow("name, any case") << "BR" << 0 << QDate() << QStringList{"Bram|" + m + "1|75,0", "Bram|" + s + "1|"};
        QTest::newRow("one exercise") << "" << 7 << QDate() << QStringList{"Anna|" + s + "1|66,7", "Bram|" + s + "1|"};
        QTest::newRow("one level") << "" << 2 << QDate() << QStringList{"Anna|" + m + "2|90,0", "Bram|" + m + "1|75,0"};
        QTest::newRow("from a date: earlier runs leave the counts") << "ann" << 0 << QDate(2026, 12, 3) << QStringList{"Anna|" + m + "1|90,0", "Anna|" + s + "1|66,7"};
        // clang-format on
    }
    void filters()
    {
        QFETCH(QString, name);
        QFETCH(int, exercise);
        QFETCH(QDate, from);
        QTest::keyClicks(w->nameFilter, name);
        w->exerciseFilter->setCurrentIndex(exercise);
        if (from.isValid())
            w->dVan->setDate(from);
        QStringList got;
        for (const QString& row : rows(*w->sorted))
            got << row.section('|', 0, 2) + '|' + row.section('|', 4, 4);
        QTEST(got, "expected");
    }

    // The class at a glance, sorted by a level, and the advice beside the
    // chart; a pupil who gets stuck while the folder is followed shows
    // under the filter.
    void theClassAtAGlanceMarksWhoIsStuck()
    {
        QSortFilterProxyModel* g = w->glanceSorted;
        QCOMPARE(g->columnCount(), ClassGlance::FirstLevel + 2);
        w->glanceView->sortByColumn(ClassGlance::FirstLevel, Qt::AscendingOrder);
        QCOMPARE(g->index(0, ClassGlance::Name).data().toString(), QString("Bram"));
        QCOMPARE(g->index(0, ClassGlance::FirstLevel).data(Qt::AccessibleTextRole).toString(),
                 QString("Metriek: lengten: te weinig gegevens"));
        QCOMPARE(g->index(1, ClassGlance::FirstLevel).data().toString(), QString("71"));
        QCOMPARE(g->index(1, ClassGlance::FirstLevel).data(Qt::AccessibleTextRole).toString(),
                 QString("Metriek: lengten: 71 % kans goed"));
        w->choosePupil("Anna");
        QCOMPARE(w->adviceLabel->text(),
                 QString("Advies:\nverder oefenen met Metriek: lengten (71 % kans goed)\n"
                         "verder oefenen met Sommen: optellen/aftrekken 1 (te weinig gegevens)"));
        w->onlyStuck->setChecked(true);
        QCOMPARE(g->rowCount(), 0);
        tktest::writeFile(dir.filePath("oefset2_1.txt"),
                          block(metricPart("Cor", "5-12-2026", 5, 10)) +
                              block(metricPart("Cor", "6-12-2026", 4, 10)) +
                              block(metricPart("Cor", "7-12-2026", 4, 10)),
                          true);
        QTRY_COMPARE(g->rowCount(), 1);
        QCOMPARE(g->index(0, ClassGlance::Stuck).data().toString(),
                 QString("Metriek: lengten sinds 5-12-2026"));
        QVERIFY(g->index(0, ClassGlance::FirstLevel).data().toString().endsWith(" vast"));
    }

    // The problems gone wrong at a level, the kind with the most wrong
    // answers first: their kind, the wrong answer given most, and the pupils
    // with their answers when the kind is chosen.
    void theProblemsViewListsWrongAnswers()
    {
        tktest::writeFile(dir.filePath("oefset2_1.txt"),
                          block("Cor: (5-12-2026      10:15)\r\n\r\n"
                                " 4 m = 40 cm       Fout ,het is  400 cm\r\n"
                                " 1.1 km = 11 cm       Fout ,het is  110000 cm\r\n\r\n"
                                "eindresultaat:  0 goed van de  2"),
                          true);
        QTRY_COMPARE(w->records.rowCount(), 6);
        ProblemsView* p = w->problems;
        p->levelChoice->setCurrentIndex(p->levelChoice->findText("Metriek: lengten"));
        QTRY_COMPARE(p->kinds->topLevelItemCount(), 2);
        QTreeWidgetItem* kind = p->kinds->topLevelItem(0);
        QCOMPARE(
            QStringList({kind->text(0), kind->text(1), kind->text(2), kind->text(3)}),
            QStringList({"km → cm", "8", "25", "110 cm (7×, bij 1.1 km)\n11 cm (1×, bij 1.1 km)"}));
        QCOMPARE(p->kinds->topLevelItem(1)->text(0), QString("m → cm"));
        p->kinds->setCurrentItem(kind);
        QCOMPARE(p->pupils->topLevelItemCount(), 8);
        const QTreeWidgetItem* last = p->pupils->topLevelItem(7);
        QCOMPARE(QStringList({last->text(0), last->text(1), last->text(2), last->text(3)}),
                 QStringList({"Cor", "1.1 km", "11 cm", "110000 cm"}));
    }

    // The chart has a line per exercise level and a point per run. A point
    // clicked shows the answers of its run, also after the folder grew with
    // runs the table does not show (the chart was not drawn again).
    void aChosenPointShowsItsRun()
    {
        const int added = 40;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->nameFilter->setText("Anna");
        w->choosePupil("Anna");
        QCOMPARE(
            tktest::shownLines(w->chart).mid(1),
            (QStringList{"Metriek: lengten", "2-12-2026 10:15 50,0 %", "4-12-2026 10:15 90,0 %",
                         "Sommen: optellen/aftrekken 1", "3-12-2026 10:15 66,7 %"}));
        QByteArray more;
        for (int k = 0; k < added; ++k)
            more += block(metricPart("Bram", "5-12-2026", 1, 1));
        tktest::writeFile(dir.filePath("oefset2_1.txt"), more, true);
        QTRY_COMPARE(w->records.rowCount(), 5 + added);
        clickPoint(w->chart, 0, 0);
        QCOMPARE(w->answers->title->text(),
                 QString("Anna, Metriek: lengten, 2-12-2026 10:15: 5 van de 10 goed"));
        QCOMPARE(w->answers->list->topLevelItem(9)->text(1), QString("110 cm"));
    }

    // The rows the filters leave, as the table shows them.
    void theCsvOpensInADutchSpreadsheet()
    {
        w->nameFilter->setText("Anna");
        w->exerciseFilter->setCurrentIndex(2); // Metriek: lengten
        const QString path = dir.filePath("overzicht.csv");
        QVERIFY(w->saveCsv(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), "\xEF\xBB\xBFLeerling;Oefening;Keer;Antwoorden;Laatste score (%);"
                              "Beste score (%);Laatste keer;Kans goed (%);Advies\r\n"
                              "Anna;Metriek: lengten;2;20;90,0;90,0;4-12-2026 10:15;71;"
                              "verder oefenen met Metriek: lengten\r\n");
    }

    void csvFields_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        // clang-format off
        QTest::newRow("quotes and ;") << "Jan \"de Vos\"; 2b" << "\"Jan \"\"de Vos\"\"; 2b\"";
        QTest::newRow(";") << "2b; Jan" << "\"2b; Jan\"";
        QTest::newRow("=") << "=1+1" << "'=1+1";
        QTest::newRow("+") << "+31 6" << "'+31 6";
        QTest::newRow("-") << "-2+3" << "'-2+3";
        QTest::newRow("@") << "@SUM(A1)" << "'@SUM(A1)";
        QTest::newRow("tab") << "\t=1" << "'\t=1";
        QTest::newRow("CR, quoted") << "\r=1" << "\"'\r=1\"";
        QTest::newRow("a number stays one") << "-3" << "-3";
        QTest::newRow("a decimal comma too") << "-6,7" << "-6,7";
        // clang-format on
    }
    void csvFields()
    {
        QFETCH(QString, text);
        QTEST(csvField(text), "field");
    }

    void thePdfHasAPagePerPupil()
    {
        const QString path = dir.filePath("overzicht.pdf");
        QVERIFY(w->savePdf(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r"), 2);
    }

    // A block written while the folder is followed: counted as skipped while
    // torn, then read on from the last whole block.
    void aNewBlockAppearsWhileFollowing()
    {
        const QString file = dir.filePath("oefset2_1.txt");
        w->choosePupil("Bram");
        const QByteArray late = block(metricPart("Bram", "5-12-2026", 4, 4));
        tktest::writeFile(file, late.left(20), true);
        QTRY_VERIFY(w->statusText().endsWith("1 blok overgeslagen in oefset2_1.txt"));
        tktest::writeFile(file, late.mid(20), true);
        QFile::remove(file + ".lock"); // a writer's lock comes and goes
        QTRY_COMPARE(w->records.rowCount(), 6);
        QVERIFY(!w->statusText().contains("overgeslagen"));
        QCOMPARE(w->sorted->index(2, ClassTable::Last).data().toString(), QString("100,0"));
        const QList<ChartLine> bram = chartLines(w->classTable.recordsOf("Bram"));
        QCOMPARE(bram.size(), 1); // the run without answers has no point
        QCOMPARE(bram[0].points.size(), 2);
    }

    // Another folder chosen while the one before grows and is being read
    // again: none of the earlier folder's runs come into the table, also not
    // when its files grow after the change.
    void anotherFolderShowsOnlyItsOwnRuns()
    {
        QTemporaryDir other;
        const QString file = other.filePath("oefset2_2.txt");
        tktest::writeFile(file, block(metricPart("Cor", "5-12-2026", 1, 1)));
        const QString busy = dir.filePath("oefset2_1.txt");
        tktest::writeFile(busy, block(metricPart("Bram", "5-12-2026", 1, 1)).repeated(20000), true);
        w->follower.check(); // reads what was added, still at it when the folder changes
        QSignalSpy done(w.get(), &OverviewWindow::readingDone);
        w->open(other.path());
        QVERIFY(done.wait());
        std::unique_ptr<QProcess> writer(
            tktest::childProcess("appendBlocks", {busy, "100"}, nullptr));
        writer->start();
        QVERIFY(writer->waitForFinished(60000));
        tktest::writeFile(file, block(metricPart("Cor", "6-12-2026", 1, 1)), true);
        QTRY_COMPARE(w->records.rowCount(), 2);
        QTest::qWait(1500); // a look at the earlier folder's sizes would have come by
        QCOMPARE(w->records.rowCount(), 2);
    }

    // A check of the folder followed before, still reading when another is
    // followed, tells nothing of it.
    void theFollowerForgetsTheFolderBefore()
    {
        QTemporaryDir other;
        tktest::writeFile(other.filePath("oefset2_1.txt"),
                          block(metricPart("Cor", "5-12-2026", 1, 1)));
        FolderFollower follower;
        QSignalSpy updated(&follower, &FolderFollower::updated);
        follower.follow(dir.path(), readFolder(dir.path()));
        tktest::writeFile(dir.filePath("oefset2_1.txt"),
                          block(metricPart("Bram", "5-12-2026", 1, 1)).repeated(20000), true);
        follower.check();
        follower.follow(other.path(), readFolder(other.path()));
        tktest::writeFile(other.filePath("oefset2_1.txt"),
                          block(metricPart("Cor", "6-12-2026", 1, 1)), true);
        QTRY_VERIFY_WITH_TIMEOUT(!updated.isEmpty(), 20000);
        QTest::qWait(1500);
        for (const QList<QVariant>& signal : updated)
            for (const FileUpdate& u : signal[0].value<QList<FileUpdate>>())
                for (const Record& r : u.read.records)
                    QCOMPARE(r.name, QString("Cor"));
    }

    // The program ends when the window is closed while a large file is read,
    // not when the file has been read.
    void closingDuringAReadEndsTheProgram()
    {
        QTemporaryDir big;
        const QString file = big.filePath("oefset2_1.txt");
        const QByteArray blocks = block(metricPart("Anna", "5-12-2026", 1, 1)).repeated(10000);
        for (int k = 0; k < 12; ++k)
            tktest::writeFile(file, blocks, true);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(readFolder(big.path()).first().read.blocks, 120000);
        const qint64 wholeRead = clock.elapsed();
        std::unique_ptr<QProcess> overview(
            tktest::childProcess("overviewClosedWhileReading", {big.path(), "100"}, nullptr));
        overview->setProcessChannelMode(QProcess::SeparateChannels);
        overview->start();
        while (!overview->readAllStandardOutput().contains("closed"))
            QVERIFY(overview->waitForReadyRead(60000));
        clock.restart();
        QVERIFY(overview->waitForFinished(60000));
        QVERIFY2(
            clock.elapsed() < wholeRead / 2,
            qPrintable(QString("%1 ms to end, %2 ms to read").arg(clock.elapsed()).arg(wholeRead)));
        QCOMPARE(overview->exitCode(), 0);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("env");
        QTest::addColumn<QString>("expected"); // results folder|overview folder, "-": none
        const QString here = QDir::currentPath();
        // clang-format off
        QTest::newRow("nothing")               << QStringList{} << "" << "|-";
        QTest::newRow("environment")           << QStringList{} << "/e" << "/e|-";
        QTest::newRow("command line first")    << QStringList{"--resultaten", "/m"} << "/e" << "/m|-";
        QTest::newRow("overview of cwd")       << QStringList{"--overzicht"} << "" << "|" + here;
        QTest::newRow("overview of results")   << QStringList{"--overzicht"} << "/e" << "/e|/e";
        QTest::newRow("overview of a folder")  << QStringList{"--overzicht", "/k", "--resultaten", "/m"} << "" << "/m|/k";
        QTest::newRow("folder missing")        << QStringList{"--resultaten"} << "" << "error";
        QTest::newRow("unknown")               << QStringList{"--snel"} << "" << "error";
        // clang-format on
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, env);
        const StartOptions o = parseStartOptions(args, env);
        const QString overview = o.overview ? o.overviewFolder : QString("-");
        QTEST(o.error.isEmpty() ? o.resultsFolder + '|' + overview : QString("error"), "expected");
    }
};

TK_TEST(OverviewWindowTest)
#include "overview_window_test.moc"
