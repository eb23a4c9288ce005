#include "testmain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace tktest {
std::vector<Factory>& registry()
{
    static std::vector<Factory> all;
    return all;
}

std::map<QString, ChildMode>& childModes()
{
    static std::map<QString, ChildMode> all;
    return all;
}

namespace {
const char* const childFlag = "--tk-child";
}

QProcess* childProcess(const QString& mode, const QStringList& args, QObject* parent)
{
    auto* p = new QProcess(parent);
    p->setProgram(QCoreApplication::applicationFilePath());
    p->setArguments(QStringList{QString::fromLatin1(childFlag), mode} + args);
    p->setProcessChannelMode(QProcess::ForwardedChannels);
    return p;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes, bool append)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY(f.open(append ? QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(f.write(bytes), bytes.size());
}

void removeResultsFiles()
{
    QDir dir;
    for (const QString& f : dir.entryList({"oefset*"}, QDir::Files))
        dir.remove(f);
}
} // namespace tktest

int main(int argc, char** argv)
{
    if (argc >= 3 && std::strcmp(argv[1], tktest::childFlag) == 0) {
        QStringList args;
        for (int i = 3; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        const auto mode = tktest::childModes().find(QString::fromLocal8Bit(argv[2]));
        return mode == tktest::childModes().end() ? 125 : mode->second(args);
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Results files land in the working directory: give every test program
    // a fresh one so runs never see each other's files.
    QTemporaryDir work;
    QDir::setCurrent(work.path());

    int failed = 0;
    for (const auto& make : tktest::registry()) {
        auto test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    std::printf("%s\n", failed == 0 ? "all test classes passed" : "some test classes failed");
    return failed == 0 ? 0 : 1;
}
