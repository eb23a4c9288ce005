// Judging one typed answer of the algebra exercises (read the text, evaluate
// it at the 200 sample points, compare, take the census, run the checks) against
// the floor: the same 200 evaluations, roundings and comparisons done by a
// hand-written C++ function of the polynomial.

#include "exercises/algebra/brackets.h"
#include "exercises/algebra/factoring.h"
#include "exercises/algebra/formula.h"
#include "scriptedrandom.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// Level 1, kind 2: 3x(2x + 5), to be typed as 6x²+15x.
const brackets::Problem& threeX()
{
    static const brackets::Problem o = [] {
        tktest::ScriptedRandom r;
        for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {4, 9}, {12, 20}, {1, 2}, {0, 9}, {1, 2}})
            r.addDraw(k, n);
        return brackets::generate(1, 1, r);
    }();
    return o;
}

// Level 3, kind 2 of factoring: 2x³ + 10x² + 12x, to be typed as 2x(x+2)(x+3).
const factoring::Problem& twoX()
{
    static const factoring::Problem o = [] {
        tktest::ScriptedRandom r;
        for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {0, 2}, {1, 10}, {0, 2}, {1, 6}, {0, 2}})
            r.addDraw(k, n);
        return factoring::generate(3, 2, r);
    }();
    return o;
}

void BM_BracketsCheckAnswer(benchmark::State& state)
{
    const QString typed = QStringLiteral("6x^2+15x");
    for (auto _ : state)
        benchmark::DoNotOptimize(brackets::check(threeX(), typed));
}
BENCHMARK(BM_BracketsCheckAnswer);

// The same 200 evaluations by hand: 6x² + 15x.
void BM_BracketsByHand(benchmark::State& state)
{
    const auto& points = algebra::samplePoints();
    const algebra::Values& target = threeX().values;
    for (auto _ : state) {
        bool same = true;
        for (int i = 0; i < algebra::samplePointCount; ++i) {
            const double x = points[i];
            const double y = 6 * x * x + 15 * x;
            same &= static_cast<std::int32_t>(std::floor(100 * y + 1e-6)) == target[i];
        }
        benchmark::DoNotOptimize(same);
    }
}
BENCHMARK(BM_BracketsByHand);

void BM_FactoringCheckAnswer(benchmark::State& state)
{
    const QString typed = QStringLiteral("2x(x+2)(x+3)");
    for (auto _ : state)
        benchmark::DoNotOptimize(factoring::check(twoX(), typed));
}
BENCHMARK(BM_FactoringCheckAnswer);

// The same 200 evaluations by hand: 2x(x + 2)(x + 3).
void BM_FactoringByHand(benchmark::State& state)
{
    const auto& points = algebra::samplePoints();
    const algebra::Values& target = twoX().values;
    for (auto _ : state) {
        bool same = true;
        for (int i = 0; i < algebra::samplePointCount; ++i) {
            const double x = points[i];
            const double y = 2 * x * (x + 2) * (x + 3);
            same &= static_cast<std::int32_t>(std::floor(100 * y + 1e-6)) == target[i];
        }
        benchmark::DoNotOptimize(same);
    }
}
BENCHMARK(BM_FactoringByHand);

// Only the evaluation sweep of an already read answer.
void BM_ValuesOfReadFormula(benchmark::State& state)
{
    QString input = QStringLiteral("2x(x+2)(x+3)");
    const algebra::Formula f = algebra::readFormula(input, QLatin1Char('x'));
    for (auto _ : state)
        benchmark::DoNotOptimize(algebra::values(f));
}
BENCHMARK(BM_ValuesOfReadFormula);

} // namespace

BENCHMARK_MAIN();
