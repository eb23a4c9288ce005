#pragma once
// Random draws. Every problem in the program comes from Int(Rnd x n) + m,
// with Rnd uniform in [0, 1). Forms take the source from common::random(); a
// test puts a seeded source or one of its own in its place.

#include <cmath>
#include <cstdint>
#include <memory>
#include <random>
#include <vector>

namespace common {

class Random {
public:
    virtual ~Random() = default;
    // Uniform in [0, 1).
    virtual double rnd() = 0;
    // Reseed from the clock (an exercise form does this on activation).
    virtual void randomize() = 0;
    // Int(Rnd x n) + m.
    int draw(int n, int m) { return static_cast<int>(std::floor(rnd() * n)) + m; }
};

// Mersenne twister, seeded from the clock or from a fixed seed.
class SeededRandom : public Random {
public:
    explicit SeededRandom(std::uint64_t seed = 1) : engine_(seed) {}
    double rnd() override;
    void randomize() override {} // stays reproducible
protected:
    std::mt19937_64 engine_;
};

class ClockRandom : public SeededRandom {
public:
    ClockRandom();
    void randomize() override;
};

// The program's source. Defaults to a ClockRandom.
Random& random();
// Puts another source in place (tests); returns the previous one.
std::unique_ptr<Random> setRandom(std::unique_ptr<Random> source);

} // namespace common
