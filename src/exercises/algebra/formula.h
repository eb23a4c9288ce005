#pragma once
// Reading and evaluating a polynomial in one letter, as the brackets and the
// factoring exercises need it for problems and typed answers.
//
// A text is read once (readFormula) into a compact postfix list; the list
// is then evaluated at the 200 sample points x = -9.9, -9.8, ..., 10.0 (single
// precision). Two formulas are the same function when all 200 rounded values
// agree.

#include "exercises/formula/symbols.h"

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace algebra {

// The value of an evaluation that has no value at that point.
inline constexpr double undefined = 30000;

inline constexpr int samplePointCount = 200;
// Reading limits: longer lists or deeper operator stacks are reading errors.
inline constexpr int maxTokens = formula::maxTokens;
inline constexpr int maxOperators = formula::maxStack;

using Values = std::array<std::int32_t, samplePointCount>;

// One token of the postfix list.
struct Token {
    enum class Kind : std::uint8_t { Number, Letter, Plus, Minus, Times, Divide, Power };
    Kind kind;
    double value = 0; // for Number
};

struct Formula {
    std::vector<Token> postfix;
    bool failed = true;    // the reading failed
    int depth = 0;         // largest evaluation stack the list needs
    bool division = false; // holds a "/": never has a value
};

// The sample points i/10 - 10 for i = 1..200, computed in double and stored in
// single precision.
const std::array<float, samplePointCount>& samplePoints();

// Reads `input` with variable `letter`. First every "²" and "³" in `input`
// itself becomes "^2" and "^3", so that the census taken afterwards counts
// them like typed powers.
Formula readFormula(QString& input, QChar letter);

// The value at one point, or `undefined`. A failed reading gives `undefined`.
double valueAt(const Formula& f, float xValue);

// The rounded value of a function value: floor(100 y), or 6000000 above
// 60000. Rounding noise just below a whole hundredth is taken up first. A hundredfold below the
// 32-bit range gives the lowest 32-bit value, which no problem reaches.
std::int32_t rounded(double y);

// The rounded values at all 200 sample points, evaluated in one sweep.
Values values(const Formula& f);

// True when the reading succeeded and all 200 rounded values equal `target`.
bool matches(const Formula& f, const Values& target);

// The rounded values of a problem text (which starts with a blank, and may
// then start with a minus).
Values problemValues(const QString& text, QChar letter);

} // namespace algebra
