#pragma once
// A random source for tests: returns the scripted values in order, then
// continues with a seeded source. pick(k, n) is the value that makes
// draw(n, m) yield m + k.

#include "common/random.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace tktest {

class ScriptedRandom : public common::Random {
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
    double rnd() override
    {
        if (next_ < values_.size())
            return values_[next_++];
        ++next_;
        return fallback_.rnd();
    }
    void randomize() override {}
    std::size_t used() const { return next_; }
    std::size_t remaining() const { return values_.size() - std::min(next_, values_.size()); }

private:
    std::vector<double> values_;
    std::size_t next_ = 0;
    common::SeededRandom fallback_{12345};
};

} // namespace tktest
