#pragma once
// One run of problems without its window: whose turn it is, which problem
// number and level come next, and the players' counts, times and results
// texts. With two players each problem number is played by player 1 and then
// by player 2, each with a problem of its own.

#include "run/player.h"
#include "run/session.h"
#include "run/verdict.h"

#include <functional>

namespace run {

class Round {
public:
    // The level of the next problem on the mixed level, from the problem
    // number before player 1's count goes up.
    using MixRule = std::function<int(int problemNumber)>;

    Round(const Session& session, int problemCount, MixRule mixRule);

    enum class Step {
        Player1, // a new problem number for player 1
        Player2, // player 2's problem of the same number
        End,     // all problems played
    };
    // What a tick of the run brings; sets the level of the coming problem.
    Step next();

    // The player answered at clock time `now`; the problem was shown at `start`.
    void recordAnswer(int player, double start, double now);
    // The verdict: a right answer counts, a wrong one does not.
    void countRight(int player, const Verdict& v);
    // Appends a line to the player's results text (after CR LF).
    void writeLine(int player, const QString& line);
    // The answer is done: the turn passes.
    void endTurn(int player);

    // The end results appended to the results texts; once, at the end.
    void close();

    const Session& session() const { return session_; }
    const Players& players() const { return players_; }
    const Player& player(int nr) const { return players_[nr - 1]; }
    int problemNumber() const { return problemNumber_; }
    int problemCount() const { return problemCount_; }
    int level() const { return level_; }
    bool secondTurn() const { return secondTurn_; }

private:
    Session session_;
    Players players_;
    int problemCount_;
    MixRule mixRule_;
    int problemNumber_ = 0;
    int level_;
    bool secondTurn_ = false;
};

} // namespace run
