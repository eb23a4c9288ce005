#include "run/resultsfile.h"
#include "testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <sys/resource.h>

namespace {

const QByteArray earlier = "Anna: (1-12-2026      9:00)\r\n\r\n 3 + 4 = 7   Goed\r\n";

// The block of player "speler <n>" in the many-programs test.
QString blockOwner(int n)
{
    return QStringLiteral("speler %1: (1-12-2026      9:00)\r\n\r\n").arg(n) +
           QString(300, QLatin1Char('a' + n % 26));
}

// Helper process: appends one block to the file, as a run at its end does.
// With "slow" the block goes out in small pieces; with "fail" the write stops
// half way. Exit code 0 when append() said the block was saved, 1 when not.
int appendChild(const QStringList& args)
{
    const int n = args.value(1).toInt();
    const bool fail = args.contains(QStringLiteral("fail"));
    if (args.contains(QStringLiteral("slow")) || fail)
        results::setWriter([fail](QFile& file, const QByteArray& bytes) -> qint64 {
            const qint64 upTo = fail ? bytes.size() / 2 : bytes.size();
            for (qint64 at = 0; at < upTo; at += 64) {
                if (file.write(bytes.mid(at, std::min<qint64>(64, upTo - at))) < 0)
                    return -1;
                QThread::msleep(1);
            }
            return fail ? -1 : bytes.size();
        });
    return results::append(args.value(0), blockOwner(n), QString()) ? 0 : 1;
}

} // namespace

TK_CHILD_MODE(append, appendChild)

class ResultsFileTest : public QObject {
    Q_OBJECT
private slots:
    void blocksAreAppendedBelowEachOther()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset2_1.txt");
        QVERIFY(results::append(name, "A: (x)\r\n\r\nregel", ""));
        QVERIFY(results::append(name, "B", "C"));
        QFile f(name);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray dashes(49, '-');
        QCOMPARE(f.readAll(), "A: (x)\r\n\r\nregel\r\n\r\n\r\n" + dashes + "\r\nB\r\n\r\nC\r\n" +
                                  dashes + "\r\n");
    }

    void aWriteThatStopsPartWayLeavesTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset3_1.txt");
        tktest::writeFile(name, earlier);
        results::setWriter([](QFile& file, const QByteArray& bytes) -> qint64 {
            file.write(bytes.left(bytes.size() / 2)); // the disk fills up half way
            return -1;
        });
        QVERIFY(!results::append(name, "Bob: (x)", ""));
        results::setWriter({});
        QCOMPARE(tktest::readFile(name), earlier);
        // The next run's block follows the earlier ones directly.
        QVERIFY(results::append(name, "Cas", ""));
        QCOMPARE(tktest::readFile(name), earlier + results::block("Cas", "").toUtf8());
        QVERIFY(!QFile::exists(name + ".lock"));
    }

    void aFileSizeLimitPartWayLeavesTheFileAsItWas()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset3_1.txt");
        tktest::writeFile(name, earlier);
        // A program that may write only 40 bytes more than the file holds.
        std::unique_ptr<QProcess> child(tktest::childProcess("append", {name, "1"}, nullptr));
        const rlim_t limit = rlim_t(earlier.size() + 40);
        child->setChildProcessModifier([limit] {
            const rlimit r{limit, limit};
            setrlimit(RLIMIT_FSIZE, &r);
        });
        child->start();
        QVERIFY(child->waitForFinished(60000));
        QCOMPARE(child->exitStatus(), QProcess::NormalExit);
        QCOMPARE(child->exitCode(), 1); // told that nothing was saved
        QCOMPARE(tktest::readFile(name), earlier);
    }

    void aFileWithoutFinalLineEndGetsOneBeforeTheBlock_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("between");
        QTest::newRow("no line end")
            << QByteArray("Anna: (x)\r\n\r\nlaatste") << QByteArray("\r\n");
        QTest::newRow("CR LF at the end") << QByteArray("Anna: (x)\r\n") << QByteArray();
        QTest::newRow("LF alone at the end") << QByteArray("Anna: (x)\n") << QByteArray();
        QTest::newRow("empty file") << QByteArray() << QByteArray();
    }
    void aFileWithoutFinalLineEndGetsOneBeforeTheBlock()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, between);
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset2_1.txt");
        tktest::writeFile(name, before);
        QVERIFY(results::append(name, "Bob", ""));
        QCOMPARE(tktest::readFile(name), before + between + results::block("Bob", "").toUtf8());
    }

    void controlCharactersBecomeBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("pasted CR LF") << QStringLiteral("12\r\n34") << QStringLiteral("12  34");
        QTest::newRow("LF alone") << QStringLiteral("Anna\nB") << QStringLiteral("Anna B");
        QTest::newRow("tab, escape, DEL")
            << QStringLiteral("a\tb\u001bc\u007f") << QStringLiteral("a b c ");
        QTest::newRow("line separator") << QStringLiteral("x\u2028y") << QStringLiteral("x y");
        QTest::newRow("accents and the euro stay")
            << QStringLiteral("René €5") << QStringLiteral("René €5");
    }
    void controlCharactersBecomeBlanks()
    {
        QFETCH(QString, typed);
        QTEST(results::oneLine(typed), "written");
    }

    // Twenty programs end a run at the same moment on one shared file; half
    // of them fail part way and take their piece back.
    void twentyProgramsAppendingAtOnce()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset7_7.txt");
        tktest::writeFile(name, earlier);
        std::vector<std::unique_ptr<QProcess>> children;
        for (int n = 0; n < 20; ++n) {
            const QString how = n % 2 == 0 ? "slow" : "fail";
            children.emplace_back(
                tktest::childProcess("append", {name, QString::number(n), how}, nullptr));
            children.back()->start();
        }
        for (int n = 0; n < 20; ++n) {
            QVERIFY(children[n]->waitForFinished(120000));
            QCOMPARE(children[n]->exitCode(), n % 2 == 0 ? 0 : 1);
        }
        QByteArray rest = tktest::readFile(name);
        QVERIFY(rest.startsWith(earlier));
        rest.remove(0, earlier.size());
        for (int n = 0; n < 20; n += 2) {
            const QByteArray block = results::block(blockOwner(n), "").toUtf8();
            QCOMPARE(rest.count(block), 1);
            rest.replace(block, "");
        }
        QCOMPARE(rest, QByteArray()); // nothing of the failed ones, nothing twice
    }

    // The viewer reads a file in pieces: a piece may end anywhere, even
    // between CR and LF or inside a UTF-8 letter.
    void linesAreDecodedAsUtf8OrElseWindows1252_data()
    {
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("whole file") << 1000;
        QTest::newRow("byte by byte") << 1;
        QTest::newRow("three bytes") << 3;
    }
    void linesAreDecodedAsUtf8OrElseWindows1252()
    {
        QFETCH(int, pieceSize);
        const QByteArray file = "Ren\xc3\xa9\r\n"    // UTF-8
                                "Ren\xe9 \x80 5\r\n" // Windows-1252: é and the euro sign
                                "\r\n"
                                "LF alone\nCR alone\rlaatste zonder einde";
        results::LineDecoder decoder;
        QStringList lines;
        for (qsizetype at = 0; at < file.size(); at += pieceSize)
            lines += decoder.feed(file.mid(at, pieceSize));
        lines += decoder.finish();
        QCOMPARE(lines, QStringList({QString::fromUtf8("René"), QString::fromUtf8("René € 5"), "",
                                     "LF alone", "CR alone", "laatste zonder einde"}));
    }
};

TK_TEST(ResultsFileTest)
#include "resultsfile_test.moc"
