#pragma once
// A random source for tests: returns the scripted values in order, and a
// seeded source's draws whenever none is left. pick(k, n) is the value that makes
// draw(n, m) yield m + k.

#include "common/random.h"

#include <initializer_list>
#include <memory>
#include <vector>

namespace tktest {

class ScriptedRandom : public common::Random {
public:
    explicit ScriptedRandom(std::vector<double> values = {}, std::uint64_t seed = 12345)
        : values_(std::move(values)), fallback_(seed)
    {
    }
    void add(double v) { values_.push_back(v); }
    void add(const std::vector<double>& v) { values_.insert(values_.end(), v.begin(), v.end()); }
    void addDraw(int k, int n) { values_.push_back(pick(k, n)); }
    // Draws given as pairs k, n.
    void addDraws(std::initializer_list<int> kn)
    {
        for (auto i = kn.begin(); i + 1 < kn.end(); i += 2)
            addDraw(i[0], i[1]);
    }
    // A source for a run to own, with the draws given as pairs k, n.
    static std::unique_ptr<ScriptedRandom> of(std::initializer_list<int> kn)
    {
        auto r = std::make_unique<ScriptedRandom>();
        r->addDraws(kn);
        return r;
    }
    static double pick(int k, int n) { return (k + 0.5) / n; }
    double rnd() override
    {
        ++used_;
        return next_ < values_.size() ? values_[next_++] : fallback_.rnd();
    }
    void randomize() override {}
    // Every draw counts, scripted or not; values added later are used next.
    std::size_t used() const { return used_; }
    std::size_t remaining() const { return values_.size() - next_; }

private:
    std::vector<double> values_;
    std::size_t next_ = 0, used_ = 0;
    common::SeededRandom fallback_;
};

} // namespace tktest
