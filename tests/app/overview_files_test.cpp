// The overview's reading of results files as they are found: CR LF or LF,
// UTF-8 or single-byte names, a torn last block, foreign files, and the
// answer lines of every exercise.
#include "app/overview/folderfollower.h"
#include "rundriver.h"
#include "testmain.h"

#include <QTemporaryDir>

using namespace overview;
using tktest::block, tktest::metricPart;

namespace {
const QByteArray dashes = QByteArray(49, '-') + "\r\n";

// Written by a two-player metric run.
const QByteArray metricBlock =
    block(metricPart("An", "6-12-2026", 1, 1), metricPart("Bo", "6-12-2026", 0, 1));

// Written by a one-player sums run at level 4.
const QByteArray sumsBlock = "Anna: (7-12-2026      9:05)\r\n\r\n"
                             " -7 x  .... = -21    Antw: -3   Fout ,het is  3\r\n"
                             " -4 +      3   x   -2 = -10   Goed\r\n\r\n"
                             "eindresultaat:  1 goed van de  2\r\n\r\n\r\n" +
                             dashes;

const FileKind metric{2, 1};

// A run as the overview shows it.
QString summary(const Record& r)
{
    QStringList s{QString::number(r.block), QString::number(r.player), r.name,
                  QString::number(r.score), QString::number(r.count)};
    for (qsizetype i = 0; i < r.answerCount(); ++i) {
        const Answer a = r.answer(i);
        s << a.problem << a.given << a.correct << QString::number(a.right);
    }
    return s.join('|');
}

} // namespace

class OverviewFilesTest : public QObject {
    Q_OBJECT
private slots:
    // Each answer line read back through both players' parts of a block: the
    // verdict from where the program put it, whatever the pupil typed before
    // it; the graph exercise's points and formulas typed per function.
    void answerLines_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("expected"); // problem|given|right|correct|note|points|attempts
        using L = QStringList;
        // clang-format off
        QTest::newRow("sums, number asked") << 3 << L{" -7 x  .... = -21    Antw: -3   Fout ,het is  3"} << 0 << "-7 x  .... = -21|-3|0|3||-1|1";
        QTest::newRow("quadratic, right") << 6 << L{" x² + 3x + 2 = 0    x = -1 of x = -2Goed"} << 1 << "x² + 3x + 2 = 0|x = -1 of x = -2|1|||-1|1";
        QTest::newRow("quadratic, wrong") << 6 << L{" x² - 1 = 0   x = 1 of x = 2        Fout, het is x = 1 of x = -1"} << 0 << "x² - 1 = 0|x = 1 of x = 2|0|x = 1 of x = -1||-1|1";
        QTest::newRow("better factor") << 5 << L{" -6x - 15     = -3(2x+5)   Goed", " maar beter is: -3(2x+5)"} << 1 << "-6x - 15|-3(2x+5)|1||maar beter is: -3(2x+5)|-1|1";
        QTest::newRow("percentages, one line") << 1 << L{"oud = 40   nieuw = 50 Perc. prijsverhoging ?     20      Fout ,het is  25"} << 0 << "oud = 40   nieuw = 50 Perc. prijsverhoging ?|20|0|25||-1|1";
        QTest::newRow("graphs, second try") << 7 << L{"functie: y= 2x + 1", "invoer:2x", "       2x+1    5 pt."} << 5 << "y= 2x + 1|2x+1|1|||5|2";
        // Verdict and score words typed as the answer.
        QTest::newRow("typed wrong verdict, metric") << 2 << L{" 4.83 km = 483000. Fout, het is 3 m   Goed"} << 1 << "4.83 km|483000. Fout, het is 3 m|1|||-1|1";
        QTest::newRow("typed both verdicts, metric") << 2 << L{" 8.3 km = 8300 ., Fout ,het is 3 Goed m       Fout ,het is  830000 cm"} << 0 << "8.3 km|8300 ., Fout ,het is 3 Goed m|0|830000 cm||-1|1";
        QTest::newRow("typed problem marks, sums") << 3 << L{" -4 + 3 = -1 Antw: 5 = 1 Fout, het is 2   Goed"} << 1 << "-4 + 3|-1 Antw: 5 = 1 Fout, het is 2|1|||-1|1";
        QTest::newRow("typed question, percentages") << 1 << L{"oud + 25 % is 50    Oude prijs ?", "40 ? Fout ,het is 3    Goed"} << 1 << "oud + 25 % is 50    Oude prijs ?|40 ? Fout ,het is 3|1|||-1|1";
        QTest::newRow("typed right verdict, brackets") << 4 << L{" 2(x+3)    = Goed       Fout ,het is 2x+6"} << 0 << "2(x+3)|Goed|0|2x+6||-1|1";
        QTest::newRow("typed answer, equations") << 6 << L{" 3x + 5 =  17      x = 4 x = 5 Fout ,het is 5   Goed"} << 1 << "3x + 5 =  17|x = 4 x = 5 Fout ,het is 5|1|||-1|1";
        QTest::newRow("typed points, not the last formula") << 7 << L{"functie: y= x", "invoer:x    10 pt.", "       x    10 pt.    5 pt."} << 5 << "y= x|x    10 pt.|1|||5|2";
        QTest::newRow("typed points, end result says wrong") << 7 << L{"functie: y= x", "invoer:x    10 pt."} << 0 << "y= x|x    10 pt.|0|||-1|1";
        QTest::newRow("typed points, end result says right") << 7 << L{"functie: y= x", "invoer:x    10 pt."} << 10 << "y= x|x|1|||10|1";
        // clang-format on
    }
    void answerLines()
    {
        QFETCH(int, option);
        QFETCH(QStringList, lines);
        QFETCH(int, score);
        QFETCH(QString, expected);
        const QString end = option == 7 ? "eindresultaat: %1 punten uit  1\r\nDat is 0 procent"
                                        : "eindresultaat: %1 goed van de  1";
        const QString part = ": (7-12-2026      9:05)\r\n\r\n" + lines.join("\r\n") + "\r\n\r\n" +
                             end.arg(score) + "\r\n";
        const FileRead r =
            readBlocks(("Anna" + part + "\r\nBo" + part).toUtf8() + dashes, FileKind{option, 1});
        QCOMPARE(r.records.size(), 2);
        QCOMPARE(r.records[1].name, QString("Bo"));
        for (const Record& record : r.records) {
            QCOMPARE(record.score, score);
            QCOMPARE(record.answerCount(), 1);
            const Answer a = record.answer(0);
            QCOMPARE(QStringList({a.problem, a.given, QString::number(a.right), a.correct, a.note,
                                  QString::number(a.points), QString::number(a.attempts)})
                         .join('|'),
                     expected);
        }
    }

    void dates_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QDateTime>("when");
        const QDateTime d(QDate(2026, 12, 6), QTime(14, 5));
        // clang-format off
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

    // A file followed while it grows, cut wherever the writer was, gives the
    // runs that reading it whole gives: a line of 50 dashes that had 49 when
    // it was read does not close the unfinished block before it, and a
    // byte-order mark before a name reads the same with a single-byte name in
    // the same read or not. Single-byte names are Windows-1252; LF line ends
    // read as CR LF do. A block that disagrees with its end result, a torn
    // block and a foreign one are skipped and counted; the whole block after
    // the torn one is read.
    void growingFileReadsAsWhole()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("oefset2_1.txt");
        const QByteArray unclosed = metricBlock.chopped(dashes.size());
        QByteArray singleByte = sumsBlock;
        singleByte.replace("Anna", "Jos\xe9 \x80");
        QByteArray marked = metricBlock;
        marked.replace("\r\n", "\n")
            .replace("Bo: (", "\xef\xbb\xbf"
                              "Bo: (");
        QByteArray wrongCount = sumsBlock;
        wrongCount.replace("1 goed van de  2", "2 goed van de  2");
        const QByteArray torn = metricBlock.left(metricBlock.indexOf("eindresultaat")) + "\r\n";
        const QByteArray bytes = wrongCount + unclosed + QByteArray(50, '-') + "\r\n" + singleByte +
                                 torn + marked + "kapot\r\n" + dashes;
        QList<qsizetype> cuts{wrongCount.size() + unclosed.size() + 49};
        for (qsizetype cut = 0; cut < bytes.size(); cut += 37)
            cuts << cut;
        std::sort(cuts.begin(), cuts.end());
        cuts << bytes.size();
        QHash<QString, Tracked> known;
        QStringList followed;
        for (const qsizetype cut : cuts) {
            tktest::writeFile(path, bytes.left(cut));
            for (const FileUpdate& u : checkFolder(dir.path(), known)) {
                track(known, u);
                for (const Record& r : u.read.records)
                    followed << summary(r);
            }
        }
        QStringList whole;
        const QList<FileState> read = readFolder(dir.path());
        for (const Record& r : read[0].read.records)
            whole << summary(r);
        QCOMPARE(followed, whole);
        QCOMPARE(whole.size(), 3);
        QCOMPARE(read[0].read.records[0].name, QString("José €"));
        QCOMPARE(read[0].read.records[2].name, QString("Bo"));
        QCOMPARE(read[0].read.records[2].answer(0).correct, QString("110000 cm"));
        QCOMPARE(read[0].read.records[2].player, 2);
        QCOMPARE(read[0].read.records[2].block, 4);
        QCOMPARE(known.value("oefset2_1.txt").skipped, 4);
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
