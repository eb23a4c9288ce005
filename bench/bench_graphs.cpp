// The graph form reads a formula once and evaluates it at 2001 points per
// curve. Times that against muparser on the same formulas.

#include "exercises/graphs/axes.h"
#include "exercises/graphs/formula.h"
#include "exercises/graphs/rows.h"
#include "ui/picturebox.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#ifdef TK_HAVE_MUPARSER
#include <muParser.h>
#endif

namespace {

struct Case {
    const char* ours;
    const char* muparser;
};

const Case cases[] = {
    {"3x+10", "3*x+10"},
    {"2(x+8)(x+4)", "2*(x+8)*(x+4)"},
    {"2 sin (x-1) + 6", "2*sin(x-1)+6"},
    {" 2/ (x + -3)  -  4", "2/(x+-3)-4"},
    {"2 ^ (x + -3)  +  4", "2^(x+-3)+4"},
    {"-3+ 2sqr(x -  2)", "-3+2*sqrt(x-2)"},
    {"tan  0.5pi x", "tan(0.5*_pi*x)"},
};

void ReadAndEvaluate2001(benchmark::State& state)
{
    const QString text = QString::fromLatin1(cases[state.range(0)].ours);
    for (auto _ : state) {
        const graphs::Reading r = graphs::readFormula(text, QLatin1Char('x'));
        float sum = 0;
        for (int i = 0; i < graphs::columns; ++i)
            sum += graphs::valueAt(r.program, graphs::columnX(i, 1));
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(cases[state.range(0)].ours);
}
BENCHMARK(ReadAndEvaluate2001)->DenseRange(0, std::size(cases) - 1);

void ReadOnly(benchmark::State& state)
{
    const QString text = QString::fromLatin1(cases[state.range(0)].ours);
    for (auto _ : state)
        benchmark::DoNotOptimize(graphs::readFormula(text, QLatin1Char('x')));
    state.SetLabel(cases[state.range(0)].ours);
}
BENCHMARK(ReadOnly)->DenseRange(0, std::size(cases) - 1);

void RowsOfACurve(benchmark::State& state)
{
    const graphs::Reading r =
        graphs::readFormula(QString::fromLatin1(cases[2].ours), QLatin1Char('x'));
    graphs::Rows rows;
    for (auto _ : state) {
        graphs::computeRows(r.program, 1, 1, rows);
        benchmark::DoNotOptimize(rows);
    }
}
BENCHMARK(RowsOfACurve);

// What the form does for a new function: fresh axes and the given curve, on
// a picture of the form's size.
void DrawAxesAndCurve(benchmark::State& state)
{
    ui::PictureBox picture(nullptr, 0, 0, 7800, 7800);
    picture.setScale(0, 0, graphs::pictureSize, graphs::pictureSize);
    const graphs::Reading r =
        graphs::readFormula(QString::fromLatin1(cases[2].ours), QLatin1Char('x'));
    graphs::Rows rows;
    const graphs::Axes axes{1, 1, QLatin1Char('x'), QLatin1Char('y')};
    for (auto _ : state) {
        picture.clear();
        graphs::computeRows(r.program, axes.xScale, axes.yScale, rows);
        picture.paint([&](ui::UserPainter& p) {
            graphs::drawAxes(p, axes);
            graphs::drawCurve(p, rows, Qt::blue, 1);
        });
        benchmark::DoNotOptimize(picture.image().constBits());
    }
}
BENCHMARK(DrawAxesAndCurve)->Unit(benchmark::kMillisecond);

#ifdef TK_HAVE_MUPARSER
void MuparserReadAndEvaluate2001(benchmark::State& state)
{
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    const std::string text = cases[state.range(0)].muparser;
    for (auto _ : state) {
        parser.SetExpr(text);
        double sum = 0;
        for (int i = 0; i < graphs::columns; ++i) {
            x = graphs::columnX(i, 1);
            sum += parser.Eval();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetLabel(cases[state.range(0)].muparser);
}
BENCHMARK(MuparserReadAndEvaluate2001)->DenseRange(0, std::size(cases) - 1);

void MuparserReadOnly(benchmark::State& state)
{
    mu::Parser parser;
    double x = 0;
    parser.DefineVar("x", &x);
    const std::string text = cases[state.range(0)].muparser;
    for (auto _ : state) {
        parser.SetExpr(text);
        x = 1;
        benchmark::DoNotOptimize(parser.Eval()); // muparser reads on the first evaluation
    }
    state.SetLabel(cases[state.range(0)].muparser);
}
BENCHMARK(MuparserReadOnly)->DenseRange(0, std::size(cases) - 1);
#endif

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv); // the picture is a widget
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
