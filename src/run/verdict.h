#pragma once
// The verdict on one typed answer, the same for every exercise of the run:
// right or wrong, and the texts the run shows and writes for it.

#include <QString>
#include <QStringList>

namespace run {

struct Verdict {
    bool right = false;
    QString feedback; // feedback after a wrong answer ("nee, het is ...")
    QString history;  // printed on the player's history area (CR breaks lines)
    // The lines appended to the player's results text, each after CR LF.
    // Control characters in them (a pasted line break) are written as
    // blanks; the history area and the labels show the answer as typed.
    QStringList log;
};

} // namespace run
