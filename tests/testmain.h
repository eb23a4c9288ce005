#pragma once
// Each test folder builds one program. Test classes register themselves with
// TK_TEST(Class) in their own file; the shared main runs them all.

#include <QObject>
#include <QProcess>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace tktest {

using Factory = std::function<std::unique_ptr<QObject>()>;
std::vector<Factory>& registry();

struct Registrar {
    explicit Registrar(Factory f) { registry().push_back(std::move(f)); }
};

// A test can start its own program again as a helper process (several
// programs writing one file at once, a program under a file-size limit):
// `childProcess(mode, args)` makes a QProcess that runs the helper registered
// with TK_CHILD_MODE(mode) instead of the tests; its return value is the exit
// code.
using ChildMode = std::function<int(const QStringList& args)>;
std::map<QString, ChildMode>& childModes();
QProcess* childProcess(const QString& mode, const QStringList& args, QObject* parent);

// The file's bytes; empty when it cannot be read.
QByteArray readFile(const QString& path);
// Writes the bytes as the whole file, its folder made if need be, or adds
// them at its end.
void writeFile(const QString& path, const QByteArray& bytes, bool append = false);
// A click with the mouse, as a pupil clicks.
inline void click(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton);
}
// Removes the results files earlier tests left in the working directory.
void removeResultsFiles();

struct ChildRegistrar {
    ChildRegistrar(const char* mode, ChildMode f)
    {
        childModes()[QString::fromLatin1(mode)] = std::move(f);
    }
};

} // namespace tktest

#define TK_CHILD_MODE(Name, Function)                                                              \
    static const tktest::ChildRegistrar tkChild_##Name{#Name, Function};

#define TK_TEST(Class)                                                                             \
    static const tktest::Registrar tkRegistrar_##Class{                                            \
        [] { return std::unique_ptr<QObject>(new Class); }};
