#pragma once
// One metric conversion problem: a number in one unit, to be written in
// another unit of the same kind.

#include "common/random.h"

#include <QString>

namespace metric {

struct Problem {
    int level = 1;      // 1 lengths, 2 areas, 3 volumes
    int from = 1;       // index of the from-unit
    int to = 2;         // index of the to-unit
    int fromSize = 1;   // size index of the from-unit
    int toSize = 2;     // size index of the to-unit
    QString number;     // the given number as shown, e.g. " 25" or "0.05"
    double answer = 0;  // the value in the to-unit
    QString answerText; // the right answer as shown
    QString fromUnit;
    QString toUnit;
};

// Makes a problem of level 1, 2 or 3. Draws the from-unit, the to-unit, the digits and the
// power of ten in that order, and draws again until the problem is fit to
// ask: two different sizes, no pair of the special units, and an answer that
// is written in fewer than ten characters without exponent form.
Problem generate(int level, common::Random& random);

// The number text of x with a "0" in place of the blank before the point,
// so .05 reads "0.05" while 25 keeps its leading blank.
QString numberText(double x);

// The problem as one sentence for a screen reader: «200 dam = … cm».
QString spoken(const Problem& o);

} // namespace metric
