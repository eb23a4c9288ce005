// The answer viewer with a 50 MB results file: the time from the click until
// the whole file is in the box, against reading the same bytes with
// QFile::readAll. Also the time until the start of the file shows.

#include "app/viewerform.h"
#include "ui/formregistry.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr qint64 fileSize = 50 * 1000 * 1000;

// A 50 MB file of results blocks; its name in the working directory.
const QString& bigFile()
{
    static QTemporaryDir dir;
    static const QString name = [] {
        QDir::setCurrent(dir.path());
        const QString file = QStringLiteral("oefset7_7.txt");
        QFile f(file);
        f.open(QIODevice::WriteOnly);
        QByteArray block = "Ren\xc3\xa9: (6-12-2026      10:15)\r\n\r\n";
        for (int i = 0; i < 10; ++i)
            block += "functie: y = 2x + 3\r\ninvoer:2x+3   10 pt.\r\n";
        block += "\r\neindresultaat:  100 punten\r\n\r\n\r\n" + QByteArray(49, '-') + "\r\n";
        for (qint64 written = 0; written < fileSize; written += block.size())
            f.write(block);
        return file;
    }();
    return name;
}

void ReadAll50MB(benchmark::State& state)
{
    const QString name = bigFile();
    for (auto _ : state) {
        QFile f(name);
        f.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(f.readAll());
    }
}
BENCHMARK(ReadAll50MB)->Unit(benchmark::kMillisecond)->UseRealTime();

// Click "Door elkaar" of the graphs row; stop when the box holds the whole
// file (or, with first = true, as soon as the click has returned).
void viewerShows(benchmark::State& state, bool whole)
{
    const QString name = bigFile();
    auto& forms = ui::FormRegistry::instance();
    forms.add(QStringLiteral("wismenu"), [] { return new ui::Form(QStringLiteral("wismenu")); });
    forms.add(QStringLiteral("bekijken"), [] { return new ViewerForm; });
    auto* v = qobject_cast<ViewerForm*>(forms.show(QStringLiteral("bekijken")));
    for (auto _ : state) {
        v->menu[32]->click();
        while (whole && v->loader.busy())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        benchmark::DoNotOptimize(v->tInfo->lineCount());
        state.PauseTiming();
        v->menu[1]->click(); // another file: the big one stops loading
        state.ResumeTiming();
    }
    forms.unloadAll();
}
void Viewer50MBWholeFileShown(benchmark::State& state)
{
    viewerShows(state, true);
}
void Viewer50MBStartShown(benchmark::State& state)
{
    viewerShows(state, false);
}
BENCHMARK(Viewer50MBWholeFileShown)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Viewer50MBStartShown)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
