#pragma once
// Judging a typed answer to a metric problem, with the lines that record it.

#include "metricproblem.h"
#include "run/verdict.h"

#include <QString>

namespace metric {

// True when v is the value asked. The margin grows with the size of the
// answer, because the computed value may be a hair off the decimal number
// the program shows (1.1 km in cm is 110000.00000000001).
bool isRight(double answer, double v);

// Reads the typed text (a "," counts as decimal point) and judges it. The
// feedback is for a wrong answer only: the run praises a right one itself.
run::Verdict check(const Problem& problem, const QString& typed);

} // namespace metric
