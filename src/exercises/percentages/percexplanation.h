#pragma once
// The explanation shown after a wrong percentage answer: the problem again and
// a ratio table ("verhoudingstabel") with its cross products.

#include "percproblem.h"

#include <QString>

namespace percentages {

// The whole text of the explanation box (title "procenten"); CR separates
// lines. line1..line3 are the captions of the answering player's problem
// lines as they stand on the form.
QString explain(const Problem& problem, const QString& line1, const QString& line2,
                const QString& line3);

} // namespace percentages
