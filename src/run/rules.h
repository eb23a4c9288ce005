#pragma once
// The rules of a run that need no window: the summary shown at its end, who
// won, and the end result written below each player's answers.

#include "run/player.h"

#include <QString>

namespace run {

// Who won a run of problems: player 1 with more right answers, or as many
// (more than none) in less time; else player 2 with any right; else nobody
// (0). Returns 1, 2 or 0.
int winner(const Player& one, const Player& two);

// Who won a points game: more points wins; 0 for a draw.
int winnerOnPoints(const Player& one, const Player& two);

// The summary box of a run of problems; player 2 only when two played.
QString summary(const Players& players, bool twoPlayers);

// «CR LF CR LF eindresultaat:  7 goed van de  10» for a player's results text.
QString endResult(const Player& player);

} // namespace run
