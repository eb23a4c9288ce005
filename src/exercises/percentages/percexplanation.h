#pragma once
// The explanation shown after a wrong percentage answer: the problem again and
// a ratio table ("verhoudingstabel") with its cross products.

#include "percproblem.h"

#include <QString>

namespace percentages {

// The whole text of the explanation box (title "procenten"); CR separates
// lines. regel1..regel3 are the captions of the answering player's problem
// lines as they stand on the form.
QString uitleg(const Opgave& opgave, const QString& regel1, const QString& regel2,
               const QString& regel3);

} // namespace percentages
