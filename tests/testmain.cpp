#include "testmain.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace tktest {
std::vector<Factory>& registry()
{
    static std::vector<Factory> all;
    return all;
}
} // namespace tktest

int main(int argc, char** argv)
{
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
