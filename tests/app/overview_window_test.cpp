// The class overview on a folder of results files: the table, its filters,
// a pupil's chart, the CSV export, the PDF report, following the folder while
// pupils play, and the command line that opens it.
#include "app/overview/answersview.h"
#include "app/overview/chartdata.h"
#include "app/overview/csvexport.h"
#include "app/overview/overviewwindow.h"
#include "run/commandline.h"
#include "testmain.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>

using namespace overview;

namespace {
const QByteArray dashes = QByteArray(49, '-') + "\r\n";

// A metric player's part: `right` answers right out of `count`.
QByteArray part(const QByteArray& name, const QByteArray& date, int right, int count)
{
    QByteArray text = name + ": (" + date + "      10:15)\r\n";
    for (int k = 0; k < count; ++k)
        text += k < right ? "\r\n 1.1 km = 110000 cm   Goed"
                          : "\r\n 1.1 km = 110 cm       Fout ,het is  110000 cm";
    return text + "\r\n\r\neindresultaat:  " + QByteArray::number(right) + " goed van de  " +
           QByteArray::number(count);
}

QByteArray block(const QByteArray& part1, const QByteArray& part2 = {})
{
    return part1 + "\r\n\r\n" + part2 + "\r\n" + dashes;
}

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
} // namespace

class OverviewWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    std::unique_ptr<OverviewWindow> w;

private slots:
    void init()
    {
        tktest::writeFile(
            dir.filePath("oefset2_1.txt"),
            block(part("Anna", "2-12-2026", 5, 10)) +
                block(part("Anna", "4-12-2026", 9, 10), part("Bram", "4-12-2026", 3, 4)),
            true);
        QDir().mkpath(dir.filePath("klas2b"));
        tktest::writeFile(
            dir.filePath("klas2b/oefset3_1.txt"),
            block(part("Anna", "3-12-2026", 2, 3)) + block(part("Bram", "3-12-2026", 0, 0)), true);
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
        QCOMPARE(rows(*w->sorted),
                 (QStringList{"Anna|Metriek: lengten|2|20|90,0|90,0|4-12-2026 10:15",
                              "Anna|Sommen: optellen/aftrekken 1|1|3|66,7|66,7|3-12-2026 10:15",
                              "Bram|Metriek: lengten|1|4|75,0|75,0|4-12-2026 10:15",
                              "Bram|Sommen: optellen/aftrekken 1|1|0|||3-12-2026 10:15"}));
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
        QTest::keyClicks(w->tNaam, name);
        w->cOefening->setCurrentIndex(exercise);
        if (from.isValid())
            w->dVan->setDate(from);
        QStringList got;
        for (const QString& row : rows(*w->sorted))
            got << row.section('|', 0, 2) + '|' + row.section('|', 4, 4);
        QTEST(got, "expected");
    }

    void theChartHasALinePerExerciseLevel()
    {
        const QList<ChartLine> lines = chartLines(w->classTable.recordsOf("Anna"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0].label, QString("Metriek: lengten"));
        QList<double> percents;
        for (const ChartPoint& p : lines[0].points)
            percents << p.percent;
        QCOMPARE(percents, (QList<double>{50, 90}));
        QCOMPARE(lines[0].points[1].msecs,
                 QDateTime(QDate(2026, 12, 4), QTime(10, 15)).toMSecsSinceEpoch());
        // Bram's run without answers has no point.
        QCOMPARE(chartLines(w->classTable.recordsOf("Bram")).size(), 1);
        // A chosen point shows the answers of its run.
        w->choosePupil("Anna");
        w->answers->showRun(*lines[0].points[0].run);
        QCOMPARE(w->answers->title->text(),
                 QString("Anna, Metriek: lengten, 2-12-2026 10:15: 5 van de 10 goed"));
        QCOMPARE(answerRows(*lines[0].points[0].run).last(),
                 (QStringList{"1.1 km", "110 cm", "fout", "110000 cm"}));
    }

    void theCsvOpensInADutchSpreadsheet()
    {
        w->tNaam->setText("Anna");
        const QString path = dir.filePath("overzicht.csv");
        QVERIFY(w->saveCsv(path));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(),
                 "\xEF\xBB\xBFLeerling;Oefening;Keer;Antwoorden;Laatste score (%);"
                 "Beste score (%);Laatste keer\r\n"
                 "Anna;Metriek: lengten;2;20;90,0;90,0;4-12-2026 10:15\r\n"
                 "Anna;Sommen: optellen/aftrekken 1;1;3;66,7;66,7;3-12-2026 10:15\r\n");
        QCOMPARE(csvField("Jan \"de Vos\"; 2b"), QString("\"Jan \"\"de Vos\"\"; 2b\""));
        QCOMPARE(csvField("2b; Jan"), QString("\"2b; Jan\""));
        QCOMPARE(csvField("=1+1"), QString("'=1+1"));
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
        const QByteArray late = block(part("Bram", "5-12-2026", 4, 4));
        tktest::writeFile(file, late.left(20), true);
        QTRY_VERIFY(w->statusText().endsWith("1 blok overgeslagen in oefset2_1.txt"));
        tktest::writeFile(file, late.mid(20), true);
        QFile::remove(file + ".lock"); // a writer's lock comes and goes
        QTRY_COMPARE(w->records.rowCount(), 6);
        QVERIFY(!w->statusText().contains("overgeslagen"));
        const Record& added = w->records.record(5);
        QCOMPARE(added.block, 2);
        QCOMPARE(w->sorted->index(2, ClassTable::Last).data().toString(), QString("100,0"));
        QCOMPARE(chartLines(w->classTable.recordsOf("Bram")).first().points.size(), 2);
    }

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("env");
        QTest::addColumn<QString>("expected"); // results folder|overview folder, "-": none
        const QString here = QDir::currentPath();
        // clang-format off
        QTest::newRow("nothing")               << QStringList{} << "" << "|-";
        QTest::newRow("results folder")        << QStringList{"--resultaten", "/m"} << "" << "/m|-";
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
