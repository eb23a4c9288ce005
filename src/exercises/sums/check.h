#pragma once
// Judging a typed answer to a sums problem, with the texts that follow it.

#include "exercises/sums/problem.h"

#include <QString>

namespace sums {

struct Verdict {
    bool goed = false;
    QString fout;  // the feedback after a wrong answer: "nee, het is " and the right answer
    QString regel; // the line for the player's history and results text
};

// The typed text, with its first "," read as a decimal point, is compared
// with the right answer. speler is 1 or 2: player 2's wrong-answer lines have
// their own wording.
Verdict controleer(const Problem& p, const QString& getypt, int speler);

} // namespace sums
