#pragma once
// Random draws. Every problem in the program comes from Int(Rnd x n) + m,
// with Rnd uniform in [0, 1). Forms take the source from common::random(); a
// test puts a seeded or scripted source in its place.

#include <cmath>
#include <cstdint>
#include <initializer_list>
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

// Returns the scripted values in order, then continues with a seeded source.
// pick(k, n) is the value that makes draw(n, m) yield m + k.
class ScriptedRandom : public Random {
public:
    explicit ScriptedRandom(std::vector<double> values = {}) : values_(std::move(values)) {}
    void add(double v) { values_.push_back(v); }
    void addDraw(int k, int n) { values_.push_back(pick(k, n)); }
    // Draws given as pairs k, n.
    void addDraws(std::initializer_list<int> kn)
    {
        for (auto i = kn.begin(); i + 1 < kn.end(); i += 2)
            addDraw(i[0], i[1]);
    }
    static double pick(int k, int n) { return (k + 0.5) / n; }
    double rnd() override;
    void randomize() override {}
    std::size_t used() const { return next_; }
    std::size_t remaining() const { return values_.size() - std::min(next_, values_.size()); }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
    SeededRandom fallback_{12345};
};

// The program's source. Defaults to a ClockRandom.
Random& random();
// Puts another source in place (tests); returns the previous one.
std::unique_ptr<Random> setRandom(std::unique_ptr<Random> source);

} // namespace common
