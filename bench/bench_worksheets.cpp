// A worksheet of 40 problems with its answer key, as a PDF, per exercise at
// its highest level (the mixed one where it has one). The goal: under 1 s each.

#include "app/worksheets/write.h"
#include "exercises/worksheet/sheet.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_Worksheet40(benchmark::State& state, const char* id)
{
    const catalogue::Exercise& e = *catalogue::find(QString::fromLatin1(id));
    QTemporaryDir dir;
    worksheets::Request q;
    q.exercise = &e;
    q.level = worksheet::levelCount(e);
    q.count = 40;
    q.output = dir.filePath(QStringLiteral("blad.pdf"));
    for (auto _ : state) {
        ++q.sheetNumber; // new problems every time
        if (!worksheets::write(q))
            state.SkipWithError("the worksheet could not be written");
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_Worksheet40, angles, "hoeken")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, percentages, "procenten")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, metric, "metriek")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, sums, "sommen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, brackets, "haakjes")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, factoring, "ontbinden")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, equations, "vergelijkingen")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Worksheet40, graphs, "grafieken")->Unit(benchmark::kMillisecond);

// The fonts of the PDF need a Qt application.
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
