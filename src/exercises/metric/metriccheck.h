#pragma once
// Judging a typed answer to a metric problem, with the lines that record it.

#include "metricproblem.h"

#include <QString>

namespace metric {

struct Beoordeling {
    bool goed = false;
    // Wrong answers only: "nee, het is " and the right answer. The form writes
    // the praise for a right answer itself (it names the player).
    QString terugmelding;
    // Printed on the player's history area; CR separates its lines.
    QString geschiedenis;
    // Appended to the player's results text (after CR LF).
    QString verslagregel;
};

// True when v is the value asked. The margin grows with the size of the
// answer, because the computed value may be a hair off the decimal number
// the program shows (1.1 km in cm is 110000.00000000001).
bool isGoed(double uitkomst, double v);

// Reads the typed text (a "," counts as decimal point) and judges it.
Beoordeling beoordeel(const Opgave& opgave, const QString& getypt);

} // namespace metric
