#pragma once
// Judging a typed answer to a price problem, with the lines that record it.

#include "percproblem.h"
#include "run/verdict.h"

#include <QString>
#include <QStringList>

namespace percentages {

// Reads the typed text (its first "," counts as decimal point) and judges
// it: right within 0.0001 of the exact answer. Its results line may take
// two lines (CR LF between them).
run::Verdict check(const Problem& problem, const QString& typed);

} // namespace percentages
