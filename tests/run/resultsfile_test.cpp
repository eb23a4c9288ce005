#include "run/resultsfile.h"
#include "testmain.h"

#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

const QByteArray earlier = "Anna: (1-12-2026      9:00)\r\n\r\n 3 + 4 = 7   Goed\r\n";

// The block of player "player <n>" in the many-programs test.
QString blockOwner(int n)
{
    return QStringLiteral("speler %1: (1-12-2026      9:00)\r\n\r\n").arg(n) +
           QString(300, QLatin1Char('a' + n % 26));
}

// Says `what` on the output and waits for a line on the input.
void signalAndWait(const char* what)
{
    std::printf("%s\n", what);
    std::fflush(stdout);
    char line[16];
    if (!std::fgets(line, sizeof line, stdin))
        line[0] = 0;
}

// Helper process: appends one block to the file, as a run at its end does.
// With "slow" the block goes out in small pieces; with "fail" the write stops
// half way; "pause" fails too, and after its first piece says "paused" and
// waits for a line. Exit code 0 when append() said the block was saved, 1
// when not.
int appendChild(const QStringList& args)
{
    const int n = args.value(1).toInt();
    const bool pause = args.contains(QStringLiteral("pause"));
    const bool fail = args.contains(QStringLiteral("fail")) || pause;
    if (args.contains(QStringLiteral("slow")) || fail)
        results::setWriter([fail, pause](QFile& file, const QByteArray& bytes) -> qint64 {
            const qint64 upTo = fail ? bytes.size() / 2 : bytes.size();
            for (qint64 at = 0; at < upTo; at += 64) {
                if (file.write(bytes.mid(at, std::min<qint64>(64, upTo - at))) < 0)
                    return -1;
                if (pause && at == 0)
                    signalAndWait("paused");
                QThread::msleep(1);
            }
            return fail ? -1 : bytes.size();
        });
    return results::append(args.value(0), blockOwner(n), QString()) ? 0 : 1;
}

// Helper process: holds the lock of the file until a line comes in; with
// "die" it ends at once without giving the lock back.
int holdLockChild(const QStringList& args)
{
    QLockFile lock(args.value(0) + ".lock");
    if (!lock.lock())
        return 1;
    if (args.contains(QStringLiteral("die")))
        ::_exit(0);
    signalAndWait("locked");
    return 0;
}

// Waits until the helper says `what`.
bool heard(QProcess& child, const QByteArray& what)
{
    while (!child.canReadLine())
        if (!child.waitForReadyRead(60000))
            return false;
    return child.readLine() == what + "\n";
}

// A helper process that runs as a pupil without the rights of the test
// (tests may run as root, who may make a lock file anywhere).
void asPupil(QProcess& child)
{
    child.setChildProcessModifier([] {
        if (::geteuid() == 0 &&
            (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(126);
    });
}

} // namespace

TK_CHILD_MODE(append, appendChild)
TK_CHILD_MODE(holdLock, holdLockChild)

class ResultsFileTest : public QObject {
    Q_OBJECT
private slots:
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

    // After CR LF: the metric form's test.
    void aFileWithoutFinalLineEndGetsOneBeforeTheBlock_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("between");
        QTest::newRow("no line end")
            << QByteArray("Anna: (x)\r\n\r\nlaatste") << QByteArray("\r\n");
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

    // A pasted line break: the metric form's test.
    void controlCharactersBecomeBlanks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
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
        QVERIFY(!QFile::exists(name + ".lock"));
    }

    // A lock left behind is taken over: one of a program on this computer
    // that died, or one of another computer older than five seconds. One a
    // program still holds, or a younger one of another computer, is waited
    // for: then nothing is saved and the file and the lock stay as they were.
    void aStaleLockIsTakenOver_data()
    {
        QTest::addColumn<int>("ageSeconds"); // -1: its program died, -2: its program runs
        QTest::addColumn<bool>("saved");
        QTest::newRow("program died") << -1 << true;
        QTest::newRow("program runs") << -2 << false;
        QTest::newRow("other computer, 6 s old") << 6 << true;
        QTest::newRow("other computer, 1 s old") << 1 << false;
    }
    void aStaleLockIsTakenOver()
    {
        QFETCH(int, ageSeconds);
        QFETCH(bool, saved);
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset3_1.txt");
        tktest::writeFile(name, earlier);
        const QString lockName = name + ".lock";
        std::unique_ptr<QProcess> holder;
        if (ageSeconds < 0) {
            const bool dies = ageSeconds == -1;
            holder.reset(tktest::childProcess(
                "holdLock", dies ? QStringList{name, "die"} : QStringList{name}, nullptr));
            holder->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            holder->start();
            QVERIFY(dies ? holder->waitForFinished(60000) : heard(*holder, "locked"));
        } else {
            tktest::writeFile(lockName, "4242\ntelkompas\nlokaal-12\n0123abcd\n0123abcd\n");
            QFile lock(lockName);
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                                     QFileDevice::FileModificationTime));
        }
        QVERIFY(QFile::exists(lockName));
        results::setLockTimes(300, 5000);
        const bool appended = results::append(name, "Bob", "");
        results::setLockTimes(10000, 5000);
        QCOMPARE(appended, saved);
        QCOMPARE(tktest::readFile(name),
                 saved ? earlier + results::block("Bob", "").toUtf8() : earlier);
        QCOMPARE(QFile::exists(lockName), !saved);
        if (ageSeconds == -2) {
            holder->write("go\n");
            QVERIFY(holder->waitForFinished(60000));
            QCOMPARE(holder->exitCode(), 0);
        }
    }

    // One program's append fails part way while another program's block
    // lands in the middle of it, without the lock: the lock was taken over
    // by another computer that held it for stale, or no lock file can be
    // made in the folder. The failed one must not cut the file back, and
    // says it did not save.
    void aFailedAppendLeavesAnotherProgramsBlock_data()
    {
        QTest::addColumn<bool>("lockFileAllowed");
        QTest::newRow("lock taken over as stale") << true;
        QTest::newRow("no lock file can be made") << false;
    }
    void aFailedAppendLeavesAnotherProgramsBlock()
    {
        QFETCH(bool, lockFileAllowed);
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset3_1.txt");
        tktest::writeFile(name, earlier);
        std::unique_ptr<QProcess> failing(
            tktest::childProcess("append", {name, "1", "pause"}, nullptr));
        std::unique_ptr<QProcess> other(tktest::childProcess("append", {name, "2"}, nullptr));
        if (!lockFileAllowed) {
            QFile::setPermissions(name, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                            QFile::WriteOther);
            QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner |
                                                  QFile::ReadOther | QFile::ExeOther);
            asPupil(*failing);
            asPupil(*other);
        }
        failing->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        failing->start();
        QVERIFY(heard(*failing, "paused"));
        QCOMPARE(QFile::exists(name + ".lock"), lockFileAllowed);
        QFile::remove(name + ".lock"); // as the other computer does with a stale lock
        other->start();
        QVERIFY(other->waitForFinished(60000));
        QCOMPARE(other->exitCode(), 0);
        failing->write("go\n");
        QVERIFY(failing->waitForFinished(60000));
        QCOMPARE(failing->exitCode(), 1);

        const QByteArray mine = results::block(blockOwner(1), "").toUtf8();
        const QByteArray theirs = results::block(blockOwner(2), "").toUtf8();
        QCOMPARE(tktest::readFile(name),
                 earlier + mine.left(64) + "\r\n" + theirs + mine.mid(64, mine.size() / 2 - 64));
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The viewer reads a file in pieces: a piece may end anywhere, even
    // between CR and LF or inside a UTF-8 letter.
    void linesAreDecodedAsUtf8OrElseWindows1252_data()
    {
        QTest::addColumn<int>("pieceSize");
        QTest::newRow("whole file") << 1000;
        QTest::newRow("byte by byte") << 1;
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
