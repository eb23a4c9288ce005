#include "round.h"

#include "run/resultsfile.h"
#include "run/rules.h"

namespace run {

Round::Round(const Session& session, int problemCount, MixRule mixRule)
    : session_(session), problemCount_(problemCount), mixRule_(std::move(mixRule)),
      level_(session.level)
{
    for (int i = 0; i < 2; ++i)
        players_[i].name = session.names[i];
    players_[0].log = results::header(session.name(1));
    if (session.twoPlayers())
        players_[1].log = results::header(session.name(2));
}

Round::Step Round::next()
{
    if (mixRule_ && session_.mixed())
        level_ = mixRule_(problemNumber_);
    if (secondTurn_)
        return Step::Player2;
    if (problemNumber_ >= problemCount_)
        return Step::End;
    ++problemNumber_;
    return Step::Player1;
}

void Round::recordAnswer(int player, double start, double now)
{
    Player& p = players_[player - 1];
    if (player == 1)
        p.answered = problemNumber_;
    else
        ++p.answered;
    p.seconds += now - start;
}

void Round::countRight(int player, const Verdict& v)
{
    if (v.right)
        ++players_[player - 1].score;
}

void Round::writeLine(int player, const QString& line)
{
    players_[player - 1].log += QStringLiteral("\r\n") + results::oneLine(line);
}

void Round::endTurn(int player)
{
    if (player == 1 && session_.twoPlayers() && !secondTurn_)
        secondTurn_ = true;
    else if (player == 2)
        secondTurn_ = false;
}

void Round::close()
{
    players_[0].log += endResult(players_[0]);
    if (session_.twoPlayers())
        players_[1].log += endResult(players_[1]);
}

} // namespace run
