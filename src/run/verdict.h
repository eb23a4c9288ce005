#pragma once
// The verdict on one typed answer, the same for every exercise of the run:
// right or wrong, and the texts the run shows and writes for it.

#include <QString>

namespace run {

struct Verdict {
    bool goed = false;
    QString fout;     // feedback after a wrong answer ("nee, het is ...")
    QString historie; // printed on the player's history area (CR breaks lines)
    QString verslag;  // appended to the player's results text after CR LF
};

} // namespace run
