#pragma once
// The worked explanation shown after a wrong answer: sums through
// warm and cold blocks on a thermometer, products through the sign rule,
// three-term problems through the order of operations.

#include "exercises/sums/problem.h"

#include <QString>

namespace sums {

// The whole text; lines are separated by CR (character 13).
QString explain(const Problem& p);

} // namespace sums
