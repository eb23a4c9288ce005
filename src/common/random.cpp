#include "random.h"

#include <chrono>

namespace common {

double SeededRandom::rnd()
{
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}

ClockRandom::ClockRandom()
{
    randomize();
}

void ClockRandom::randomize()
{
    engine_.seed(static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

namespace {
std::unique_ptr<Random>& current()
{
    static std::unique_ptr<Random> source = std::make_unique<ClockRandom>();
    return source;
}
} // namespace

Random& random()
{
    return *current();
}

std::unique_ptr<Random> setRandom(std::unique_ptr<Random> source)
{
    std::swap(current(), source);
    return source;
}

} // namespace common
