#pragma once
// A sums problem as one sentence for a screen reader.

#include "exercises/sums/problem.h"

namespace sums {

// The row read from left to right, "…" where the answer box stands:
// «-3 + 5 = …», «4 x … = -12».
QString spoken(const RowLayout& row);

} // namespace sums
