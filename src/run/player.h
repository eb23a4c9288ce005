#pragma once
// One player of a run: name, score, how many problems were done, the time
// taken and the results text that goes into the results file at the end.

#include <QString>
#include <array>

namespace run {

struct Player {
    QString name;
    int score = 0;      // right answers, or points in the games
    int answered = 0;   // problems answered (functions had, angles played)
    double seconds = 0; // time taken, summed over the answers
    QString log;        // results text: header, a line per answer, end result
};

// Player 1 is [0], player 2 is [1].
using Players = std::array<Player, 2>;

} // namespace run
