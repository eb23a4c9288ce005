// Judging one typed answer of the algebra exercises (read the text, evaluate
// it at the 200 meetpunten, compare, take the census, run the checks) against
// the floor: the same 200 evaluations, roundings and comparisons done by a
// hand-written C++ function of the polynomial.

#include "exercises/algebra/brackets.h"
#include "exercises/algebra/factoring.h"
#include "exercises/algebra/formula.h"

#include <benchmark/benchmark.h>
#include <cmath>

namespace {

// Level 1, kind 2: 3x(2x + 5), to be typed as 6x²+15x.
const haakjes::Opgave& drieX()
{
    static const haakjes::Opgave o = [] {
        common::ScriptedRandom r;
        for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {4, 9}, {12, 20}, {1, 2}, {0, 9}, {1, 2}})
            r.addDraw(k, n);
        return haakjes::maakformule(1, 1, r);
    }();
    return o;
}

// Level 3, kind 2 of factoring: 2x³ + 10x² + 12x, to be typed as 2x(x+2)(x+3).
const ontbinden::Opgave& tweeX()
{
    static const ontbinden::Opgave o = [] {
        common::ScriptedRandom r;
        for (auto [k, n] : {std::pair{0, 4}, {1, 10}, {0, 2}, {1, 10}, {0, 2}, {1, 6}, {0, 2}})
            r.addDraw(k, n);
        return ontbinden::maakformule(3, 2, r);
    }();
    return o;
}

void BM_HaakjesAntwoordBeoordelen(benchmark::State& state)
{
    const QString getypt = QStringLiteral("6x^2+15x");
    for (auto _ : state)
        benchmark::DoNotOptimize(haakjes::beoordeel(drieX(), getypt));
}
BENCHMARK(BM_HaakjesAntwoordBeoordelen);

// The same 200 evaluations by hand: 6x² + 15x.
void BM_HaakjesHandgeschreven(benchmark::State& state)
{
    const auto& punten = algebra::meetpunten();
    const algebra::Waarden& doel = drieX().waarden;
    for (auto _ : state) {
        bool gelijk = true;
        for (int i = 0; i < algebra::aantalMeetpunten; ++i) {
            const double x = punten[i];
            const double y = 6 * x * x + 15 * x;
            gelijk &= static_cast<std::int32_t>(std::floor(100 * y + 1e-6)) == doel[i];
        }
        benchmark::DoNotOptimize(gelijk);
    }
}
BENCHMARK(BM_HaakjesHandgeschreven);

void BM_OntbindenAntwoordBeoordelen(benchmark::State& state)
{
    const QString getypt = QStringLiteral("2x(x+2)(x+3)");
    for (auto _ : state)
        benchmark::DoNotOptimize(ontbinden::beoordeel(tweeX(), getypt));
}
BENCHMARK(BM_OntbindenAntwoordBeoordelen);

// The same 200 evaluations by hand: 2x(x + 2)(x + 3).
void BM_OntbindenHandgeschreven(benchmark::State& state)
{
    const auto& punten = algebra::meetpunten();
    const algebra::Waarden& doel = tweeX().waarden;
    for (auto _ : state) {
        bool gelijk = true;
        for (int i = 0; i < algebra::aantalMeetpunten; ++i) {
            const double x = punten[i];
            const double y = 2 * x * (x + 2) * (x + 3);
            gelijk &= static_cast<std::int32_t>(std::floor(100 * y + 1e-6)) == doel[i];
        }
        benchmark::DoNotOptimize(gelijk);
    }
}
BENCHMARK(BM_OntbindenHandgeschreven);

// Only the evaluation sweep of an already read answer.
void BM_WaardenVanGelezenFormule(benchmark::State& state)
{
    QString invoer = QStringLiteral("2x(x+2)(x+3)");
    const algebra::Formule f = algebra::prefix_suffix(invoer, QLatin1Char('x'));
    for (auto _ : state)
        benchmark::DoNotOptimize(algebra::waarden(f));
}
BENCHMARK(BM_WaardenVanGelezenFormule);

} // namespace

BENCHMARK_MAIN();
