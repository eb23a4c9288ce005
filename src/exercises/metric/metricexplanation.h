#pragma once
// The explanation shown after a wrong metric answer: the unit ruler, the
// number of steps and which way the decimal point moves.

#include "metricproblem.h"

#include <QString>

namespace metric {

// The whole text of the explanation box (title "metriek"); CR separates lines.
QString explain(const Problem& problem);

} // namespace metric
