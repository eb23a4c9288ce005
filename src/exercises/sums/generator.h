#pragma once
// Makes up sums and products with signed numbers. Every number comes from a
// draw Int(Rnd x n) + m, taken in a fixed order so that a scripted source
// reproduces a problem exactly.

#include "common/random.h"
#include "exercises/sums/problem.h"

namespace sums {

// The alternation ("om en om") of kinds per level (1 to 4) and problem
// number (1 to 20).
Mode schema(int niveau, int opgaveNr);

// A two-term sum (levels 1 to 4, whole or in tenths) or, with drieterms, a
// three-term problem; the two-term sum is drawn first in either case.
Problem geefsom(int niveau, const Mode& mode, common::Random& rng);

// A product of two signed factors (levels 3 and 4).
Problem geefproduct(int niveau, const Mode& mode, common::Random& rng);

// The problem of a turn: the schedule's kind made by its routine.
Problem maakopgave(int niveau, int opgaveNr, common::Random& rng);

// The captions of the row and where the answer box goes.
RowLayout legUit(const Problem& p);

} // namespace sums
