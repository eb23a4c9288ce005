#pragma once
// Judging a typed answer to a price problem, with the lines that record it.

#include "percproblem.h"

#include <QString>
#include <QStringList>

namespace percentages {

struct Beoordeling {
    bool goed = false;
    // Wrong answers only: "nee, het is " and the right answer. The form writes
    // the praise for a right answer itself (it names the player).
    QString terugmelding;
    // Printed on the player's history area; CR separates its lines.
    QString geschiedenis;
    // The lines appended to the player's results text (each after CR LF):
    // one, or the problem and the answer on two.
    QStringList verslagregels;
};

// Reads the typed text (its first "," counts as decimal point) and judges
// it: right within 0.0001 of the exact answer.
Beoordeling beoordeel(const Opgave& opgave, const QString& getypt);

} // namespace percentages
