#pragma once
// The texts of a graph run: score line, log lines, summary and end result.

#include <QString>

namespace graphs {

struct Speler {
    QString naam;
    int punten = 0;
    int gehad = 0; // functions started
};

// Points for a right answer after `poging` failed attempts: 10, 5, 3, 1, 0.
int puntenVoorPoging(int poging);

// The score caption; `twee` is null with one player.
QString scoreTekst(const Speler& een, const Speler* twee);

// The summary box text; `twee` is null with one player.
QString samenvatting(const Speler& een, const Speler* twee);

// The end result appended to a player's results text.
QString eindresultaat(const Speler& speler);

} // namespace graphs
