// `telkompas --overzicht` hands its command line to the overview program
// beside it, and says so when that program is missing.

#include "testmain.h"

#include <QTemporaryDir>

class OverviewStartTest : public QObject {
    Q_OBJECT

    // Runs a copy of the pupils' program in `dir` and returns its exit code.
    static int runCopy(const QTemporaryDir& dir, const QStringList& args, QByteArray* err)
    {
        const QString copy = dir.filePath("telkompas");
        QFile::copy(QStringLiteral(TK_PUPIL_PROGRAM), copy);
        QProcess p;
        p.start(copy, args);
        p.waitForFinished(60000);
        *err = p.readAllStandardError();
        return p.exitCode();
    }

private slots:
    void handsOnTheCommandLine()
    {
        QTemporaryDir dir;
        const QString seen = dir.filePath("args.txt");
        tktest::writeFile(dir.filePath("telkompas-overzicht"),
                          "#!/bin/sh\necho \"$@\" > '" + seen.toUtf8() + "'\nexit 7\n");
        QFile(dir.filePath("telkompas-overzicht"))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QByteArray err;
        QCOMPARE(runCopy(dir, {"--overzicht", "/k", "--resultaten", "/m"}, &err), 7);
        QCOMPARE(tktest::readFile(seen), QByteArray("--overzicht /k --resultaten /m\n"));
    }

    void missingOverview()
    {
        QTemporaryDir dir;
        QByteArray err;
        QCOMPARE(runCopy(dir, {"--overzicht"}, &err), 2);
        // The last line: Qt may warn about the environment before it.
        QCOMPARE(QString::fromUtf8(err).trimmed().split('\n').last(),
                 "Het overzicht kan niet starten: " + dir.filePath("telkompas-overzicht") +
                     " is niet gevonden.");
    }
};

TK_TEST(OverviewStartTest)
#include "overviewstart_test.moc"
