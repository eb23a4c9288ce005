#pragma once
// Judging a typed answer to an equation, with the texts the run shows and
// logs. Both players see the same feedback; the history and results lines of
// player 2 differ from player 1's in their spacing.

#include "equation.h"
#include "run/verdict.h"

#include <QString>

namespace equations {

// Reads a typed number: its first "," taken as decimal point, in single
// precision. A fraction of two whole numbers ("7/2", "-7/2") reads as its
// value.
float readAnswer(const QString& typed);

// Linear equations (levels 1 to 4): one typed answer. Quadratic equations
// (levels 5 and 6): two, in either order; an empty second box counts as the
// first (one answer for a double solution). player is 1 or 2.
run::Verdict check(const Equation& v, int player, const QString& first, const QString& second = {});

} // namespace equations
