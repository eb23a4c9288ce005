#pragma once
// The texts of a graph run: score line, log lines, summary and end result.

#include "run/player.h"

#include <QString>

namespace graphs {

// A player's score is points, the count functions started.
using run::Player;

// Points for a right answer after `poging` failed attempts: 10, 5, 3, 1, 0.
int puntenVoorPoging(int poging);

// The score caption; `twee` is null with one player.
QString scoreTekst(const Player& een, const Player* twee);

// The summary box text; `twee` is null with one player.
QString samenvatting(const Player& een, const Player* twee);

// The end result appended to a player's results text.
QString eindresultaat(const Player& speler);

} // namespace graphs
