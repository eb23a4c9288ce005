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

class Ronde {
public:
    // The level of the next problem on the mixed level, from the problem
    // number before player 1's count goes up.
    using Mengregel = std::function<int(int opgaveNr)>;

    Ronde(const Session& session, int aantalOpgaven, Mengregel mengregel);

    enum class Stap {
        Speler1, // a new problem number for player 1
        Speler2, // player 2's problem of the same number
        Einde,   // all problems played
    };
    // What a tick of the run brings; sets the level of the coming problem.
    Stap volgende();

    // The player answered at clock time `nu`; the problem was shown at `start`.
    void beantwoord(int speler, double start, double nu);
    // The verdict: a right answer counts, a wrong one does not.
    void telGoed(int speler, const Verdict& v);
    // Appends a line to the player's results text (after CR LF).
    void schrijf(int speler, const QString& regel);
    // The answer is done: the turn passes.
    void beurtVoorbij(int speler);

    // The end results appended to the results texts; once, at the end.
    void sluit();

    const Session& session() const { return session_; }
    const Players& spelers() const { return spelers_; }
    const Player& speler(int nr) const { return spelers_[nr - 1]; }
    int opgaveNr() const { return opgaveNr_; }
    int aantalOpgaven() const { return aantalOpgaven_; }
    int niveau() const { return niveau_; }
    bool beurt2() const { return beurt2_; }

private:
    Session session_;
    Players spelers_;
    int aantalOpgaven_;
    Mengregel mengregel_;
    int opgaveNr_ = 0;
    int niveau_;
    bool beurt2_ = false;
};

} // namespace run
