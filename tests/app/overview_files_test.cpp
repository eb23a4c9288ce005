// The overview's reading of results files as they are found: CR LF or LF,
// UTF-8 or single-byte names, a torn last block, foreign files, and the
// answer lines of every exercise.
#include "app/overview/answerlines.h"
#include "app/overview/blockparser.h"
#include "app/overview/folderreader.h"
#include "testmain.h"

#include <QTemporaryDir>

using namespace overview;

namespace {
const QByteArray dashes = QByteArray(49, '-') + "\r\n";

// Written by a two-player metric run (see the metric form test).
const QByteArray metricBlock =
    "An: (6-12-2026      10:15)\r\n\r\n 1.1 km = 110000 cm   Goed\r\n\r\n"
    "eindresultaat:  1 goed van de  1\r\n\r\n"
    "Bo: (6-12-2026      10:15)\r\n\r\n"
    " 1.1 km = 110.000 cm       Fout ,het is  110000 cm\r\n\r\n"
    "eindresultaat:  0 goed van de  1\r\n" +
    dashes;

// Written by a one-player sums run at level 4.
const QByteArray sumsBlock = "Anna: (7-12-2026      9:05)\r\n\r\n"
                             " -7 x  .... = -21    Antw: -3   Fout ,het is  3\r\n"
                             " -4 +      3   x   -2 = -10   Goed\r\n\r\n"
                             "eindresultaat:  1 goed van de  2\r\n\r\n\r\n" +
                             dashes;

const FileKind metric{2, 1};

} // namespace

class OverviewFilesTest : public QObject {
    Q_OBJECT
private slots:
    void answerLines_data()
    {
        QTest::addColumn<bool>("graphs");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expected"); // problem | given | right | correct | note
        using L = QStringList;
        // clang-format off
        QTest::newRow("sums, number asked") << false << L{" -7 x  .... = -21    Antw: -3   Fout ,het is  3"} << "-7 x  .... = -21|-3|0|3|";
        QTest::newRow("sums, three terms") << false << L{" -4 +      3   x   -2 = -10   Goed"} << "-4 +      3   x   -2|-10|1||";
        QTest::newRow("equation, wrong") << false << L{" 3x + 5 =  17    x = 5        Fout ,het is  4"} << "3x + 5 =  17|x = 5|0|4|";
        QTest::newRow("quadratic, right") << false << L{" x² + 3x + 2 = 0    x = -1 of x = -2Goed"} << "x² + 3x + 2 = 0|x = -1 of x = -2|1||";
        QTest::newRow("quadratic, wrong") << false << L{" x² - 1 = 0   x = 1 of x = 2        Fout, het is x = 1 of x = -1"} << "x² - 1 = 0|x = 1 of x = 2|0|x = 1 of x = -1|";
        QTest::newRow("better factor") << false << L{" -6x - 15     = -3(2x+5)   Goed", " maar beter is: -3(2x+5)"} << "-6x - 15|-3(2x+5)|1||maar beter is: -3(2x+5)";
        QTest::newRow("percentages, two lines") << false << L{"oud + 25 % is 50    Oude prijs ?", "40    Goed"} << "oud + 25 % is 50    Oude prijs ?|40|1||";
        QTest::newRow("percentages, one line") << false << L{"oud = 40   nieuw = 50 Perc. prijsverhoging ?     20      Fout ,het is  25"} << "oud = 40   nieuw = 50 Perc. prijsverhoging ?|20|0|25|";
        QTest::newRow("graphs, second try") << true << L{"functie: y= 2x + 1", "invoer:2x", "       2x+1    5 pt."} << "y= 2x + 1|2x+1|1||";
        QTest::newRow("graphs, never right") << true << L{"functie: y= x", "invoer:31"} << "y= x|31|0||";
        // clang-format on
    }
    void answerLines()
    {
        QFETCH(bool, graphs);
        QFETCH(QStringList, lines);
        QFETCH(QString, expected);
        AnswerLines reader(graphs);
        for (const QString& line : lines)
            QVERIFY2(reader.feed(line), qPrintable(line));
        QVERIFY(reader.finish());
        QCOMPARE(reader.answers.size(), 1);
        const Answer& a = reader.answers[0];
        QCOMPARE(
            QStringList({a.problem(), a.given(), QString::number(a.right), a.correct(), a.note()})
                .join('|'),
            expected);
    }

    void dates_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDateTime>("when");
        const QDateTime d(QDate(2026, 12, 6), QTime(14, 5));
        // clang-format off
        QTest::newRow("Dutch short") << "6-12-2026" << "14:05" << d;
        QTest::newRow("two-digit year, seconds") << "06-12-26" << "14:05:00" << d;
        QTest::newRow("slashes, PM") << "6/12/2026" << "2:05 PM" << d;
        QTest::newRow("year first") << "2026-12-06" << "14:05" << d;
        QTest::newRow("no date") << "gisteren" << "14:05" << QDateTime();
        // clang-format on
    }
    void dates()
    {
        QFETCH(QString, date);
        QFETCH(QString, time);
        QTEST(parseWhen(date, time), "when");
    }

    // LF line ends and single-byte names read as CR LF and UTF-8 do.
    void lfEndingsAndSingleByteNames()
    {
        QByteArray other = metricBlock;
        other.replace("\r\n", "\n").replace("An: (", "Jos\xe9: (").replace("Bo: (", "\x80uro: (");
        const FileRead r = readBlocks(sumsBlock + other, metric);
        QCOMPARE(r.records.size(), 3);
        QCOMPARE(r.records[0].name, QString("Anna"));
        QCOMPARE(r.records[1].name, QString("José"));
        QCOMPARE(r.records[2].name, QString("€uro"));
        QCOMPARE(r.records[2].answers[0].correct(), QString("110000 cm"));
        QCOMPARE(r.records[2].player, 2);
        QCOMPARE(r.records[2].block, 1);
        QCOMPARE(r.end, sumsBlock.size() + other.size());
    }

    // A block that disagrees with its end result, a torn block and a foreign
    // one are skipped and counted; the whole block after the torn one is read.
    void brokenBlocksAreSkippedAndCounted()
    {
        const QByteArray torn = metricBlock.left(metricBlock.indexOf("eindresultaat")) + "\r\n";
        QByteArray wrongCount = sumsBlock;
        wrongCount.replace("1 goed van de  2", "2 goed van de  2");
        const FileRead r = readBlocks(wrongCount + torn + sumsBlock + "kapot\r\n" + dashes, metric);
        QCOMPARE(r.skipped, 3);
        QCOMPARE(r.records.size(), 1);
        QCOMPARE(r.records[0].name, QString("Anna"));
    }

    void foreignFilesAreLeftAlone()
    {
        QTemporaryDir dir;
        tktest::writeFile(dir.filePath("oefset2_1.txt"), metricBlock);
        tktest::writeFile(dir.filePath("klas2b/oefset3_4.txt"), sumsBlock);
        tktest::writeFile(dir.filePath("oefset2_1.txt.lock"), "1234\n");
        tktest::writeFile(dir.filePath("notities.txt"), "niet van Telkompas\r\n" + dashes);
        tktest::writeFile(dir.filePath("oefset9_1.txt"), metricBlock);
        tktest::writeFile(dir.filePath("oefset5_2.txt"),
                          "Dit is een brief.\r\n"); // listed by its name
        QCOMPARE(findResultsFiles(dir.path()),
                 (QStringList{"klas2b/oefset3_4.txt", "oefset2_1.txt", "oefset5_2.txt"}));
        const QList<FileState> read = readFolder(dir.path());
        QCOMPARE(read[0].read.records[0].file, QString("klas2b/oefset3_4.txt"));
        QCOMPARE(read[0].read.records[0].level, 4);
    }
};

TK_TEST(OverviewFilesTest)
#include "overview_files_test.moc"
