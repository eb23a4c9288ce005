#pragma once
// Judging a typed answer to a sums problem, with the texts that follow it.

#include "exercises/sums/problem.h"
#include "run/verdict.h"

#include <QString>

namespace sums {

// The typed text, with its first "," read as a decimal point, is compared
// with the right answer. player is 1 or 2: player 2's wrong-answer lines have
// their own wording. History and results text get the same line.
run::Verdict check(const Problem& p, const QString& typed, int player);

} // namespace sums
