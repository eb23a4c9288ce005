#pragma once
// The texts of a graph run: score line, log lines, summary and end result.

#include "run/player.h"

#include <QString>

namespace graphs {

// A player's score is points, the count functions started.
using run::Player;

// Points for a right answer after `attempt` failed attempts: 10, 5, 3, 1, 0.
int pointsForAttempt(int attempt);

// The score caption; `second` is null with one player.
QString scoreText(const Player& first, const Player* second);

// The summary box text; `second` is null with one player.
QString summary(const Player& first, const Player* second);

// The end result appended to a player's results text.
QString endResult(const Player& player);

} // namespace graphs
