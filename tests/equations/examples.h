#pragma once
// The example equations of the equation tests, each with exactly the draws
// that make it: T(k, n) makes ⌊r × n⌋ yield k, N(k) makes the level-6 draw
// ⌊r × 9 + 0.5⌋ yield k.

#include "common/random.h"
#include "exercises/equations/equation.h"
#include "scriptedrandom.h"

#include <QtTest>
#include <vector>

namespace eqtest {

inline const auto T = [](int k, int n) { return tktest::ScriptedRandom::pick(k, n); };
inline const auto N = [](int k) { return (k + 0.1) / 9; };
// Letters x, p, a, t; operators + and -; KEEP keeps a number's sign, NEG
// negates it; at level 6 MIN also makes A negative.
inline const double X = T(0, 4), P = T(1, 4), A = T(2, 4), TL = T(3, 4);
inline const double PLUS = T(1, 2), MIN = T(0, 2), KEEP = MIN, NEG = PLUS;

struct Example {
    int level;
    int problemNumber;
    std::vector<double> draws;
};

// Makes the equation; fails the test when the generator takes more or fewer
// draws than the example lists.
inline equations::Equation make(const Example& example)
{
    tktest::ScriptedRandom rnd(example.draws);
    const auto v = equations::generate(example.level, example.problemNumber, rnd);
    if (rnd.used() != example.draws.size())
        QTest::qFail("the generator took another number of draws", __FILE__, __LINE__);
    return v;
}

// 3x - 7 = 14
inline const Example threeXMinusSeven{1, 1, {X, T(2, 10), T(1, 3), T(6, 49), T(64, 100), MIN}};
// -4p + 3 = 2, p = .25
inline const Example quarter{2, 1, {P, T(3, 10), T(0, 3), T(2, 99), T(102, 200), PLUS}};
// 4x - 3 = 2, x = 1.25
inline const Example oneAndAQuarter{2, 1, {X, T(3, 10), T(1, 3), T(2, 99), T(102, 200), MIN}};
// 5x + 3 = 1, x = -.4
inline const Example minusFourTenths{2, 1, {X, T(4, 10), T(1, 3), T(2, 99), T(101, 200), PLUS}};
// 20 / (x - 6) = -4 (the letter drawn is replaced by x)
inline const Example fractionLevel1{1, 2, {TL, T(70, 100), T(5, 9), T(6, 20), MIN}};
// 40 / (2x + 4) = 4
inline const Example fractionLevel2{2, 6, {P, T(90, 100), T(3, 9), T(14, 20), T(0, 3), KEEP, PLUS}};
// 3x - 7 = -8x + 26
inline const Example balance{
    3, 1, {X, T(2, 10), KEEP, T(5, 25), MIN, T(7, 10), NEG, T(24, 25), PLUS}};
// 2t - 3(2t + 1) = t + 5, t = -1.6
inline const Example brackets{4,
                              1,
                              {TL, T(1, 10), KEEP, MIN, T(1, 4), T(1, 10), KEEP, T(0, 10), PLUS,
                               T(0, 10), KEEP, T(3, 25), PLUS}};
// x² - x - 6 = 0, x = 3 or x = -2
inline const Example expanded{5, 1, {X, T(2, 10), MIN, T(1, 10), PLUS}};
// x² + 6x + 9 = 0, x = -3 twice
inline const Example doubleSolution{5, 1, {X, T(2, 10), PLUS, T(2, 10), PLUS}};
// (p + 4)(p - 1) = 0
inline const Example factored{5, 3, {P, T(3, 10), PLUS, T(0, 10), MIN}};
// a² - 3a + 10 = 2a + 4, a = 2 or a = 3
inline const Example bothSides{5, 2, {A, T(1, 10), MIN, T(2, 10), MIN, T(1, 10), T(3, 10), PLUS}};
// 3x² + (x + 2)(x - 3) = x + 6, x = -1.5 or x = 2 (e·B = 1)
inline const Example withHalf{
    6, 1, {X, N(1), N(2), PLUS, MIN, T(2, 4), PLUS, T(0, 4), PLUS, T(1, 9), PLUS, T(2, 9), MIN}};
// 2x² + 2(x + 1)(x + 1) = -24x - 47, x = -3.5 twice
inline const Example doubleHalf{
    6, 5, {X, N(3), N(3), PLUS, PLUS, T(1, 4), PLUS, T(1, 4), PLUS, T(0, 9), PLUS, T(0, 9), PLUS}};
// x² + 2(x + 4)(x + 1) = -11x - 22, x = -2 or x = -5
inline const Example twoWhole{
    6, 3, {X, N(2), N(5), MIN, MIN, T(0, 4), PLUS, T(1, 4), PLUS, T(3, 9), PLUS, T(0, 9), PLUS}};
// 2x² - (x + 3)(x - 2) = -5x + 6, x = 0 or x = -4
inline const Example firstZero{
    6, 2, {X, N(0), N(4), MIN, MIN, T(1, 4), PLUS, T(0, 4), MIN, T(2, 9), PLUS, T(1, 9), MIN}};
// 2x² - 3(x + 1)(x - 1) = 3x + 3, x = -3 or x = 0
inline const Example secondZero{
    6, 2, {X, N(3), N(0), MIN, MIN, T(1, 4), PLUS, T(2, 4), MIN, T(0, 9), PLUS, T(0, 9), MIN}};

} // namespace eqtest
