#pragma once
// Makes up sums and products with signed numbers. Every number comes from a
// draw Int(Rnd x n) + m, taken in a fixed order so that a scripted source
// reproduces a problem exactly.

#include "common/random.h"
#include "exercises/sums/problem.h"

namespace sums {

// The alternation ("om en om") of kinds per level (1 to 4) and problem
// number (1 to 20).
Mode schedule(int level, int problemNumber);

// A two-term sum (levels 1 to 4, whole or in tenths) or, with threeTerms, a
// three-term problem; the two-term sum is drawn first in either case.
Problem generateSum(int level, const Mode& mode, common::Random& rng);

// A product of two signed factors (levels 3 and 4).
Problem generateProduct(int level, const Mode& mode, common::Random& rng);

// The problem of a turn: the schedule's kind made by its routine.
Problem generate(int level, int problemNumber, common::Random& rng);

// The captions of the row and where the answer box goes.
RowLayout layOut(const Problem& p);

} // namespace sums
