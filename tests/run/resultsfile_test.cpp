#include "run/resultsfile.h"
#include "testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class ResultsFileTest : public QObject {
    Q_OBJECT
private slots:
    void fileNames_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        QTest::newRow("percentages have no level") << 1 << 3 << "oefset1.txt";
        QTest::newRow("metric level 1") << 2 << 1 << "oefset2_1.txt";
        QTest::newRow("equations mixed level") << 6 << 7 << "oefset6_7.txt";
        QTest::newRow("graphs level 5") << 7 << 5 << "oefset7_5.txt";
    }
    void fileNames()
    {
        QFETCH(int, option);
        QFETCH(int, level);
        QFETCH(QString, name);
        QCOMPARE(results::fileName(option, level), name);
    }

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

    void aDirectoryInThePlaceOfTheFileFails()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir("oefset3_1.txt"));
        QVERIFY(!results::append(dir.filePath("oefset3_1.txt"), "A", ""));
    }

    void linesAreDecodedAsUtf8OrElseWindows1252()
    {
        QTemporaryDir dir;
        const QString name = dir.filePath("oefset1.txt");
        QFile f(name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Ren\xc3\xa9\r\n"    // UTF-8
                "Ren\xe9 \x80 5\r\n" // Windows-1252: é and the euro sign
                "\r\n"
                "laatste zonder einde");
        f.close();
        QStringList lines;
        QVERIFY(results::readLines(name, lines));
        QCOMPARE(lines, QStringList({QString::fromUtf8("René"), QString::fromUtf8("René € 5"), "",
                                     "laatste zonder einde"}));
    }

    void aMissingFileCannotBeRead()
    {
        QStringList lines{"oud"};
        QVERIFY(!results::readLines("bestaat-niet.txt", lines));
        QVERIFY(lines.isEmpty());
    }
};

TK_TEST(ResultsFileTest)
#include "resultsfile_test.moc"
