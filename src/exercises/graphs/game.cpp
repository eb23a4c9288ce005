#include "game.h"

#include "common/numbertext.h"
#include "exercises/catalogue.h"
#include "run/resultsfile.h"
#include "runtexts.h"

namespace graphs {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

int functionsPerRun()
{
    return catalogue::find(u"grafieken")->problemsPerRun;
}

Game::Game(const run::Session& session) : twoPlayers(session.twoPlayers()), mixed(session.mixed())
{
    for (int i = 0; i < 2; ++i)
        players[i].name = session.names[i];
    players[0].log = results::header(session.name(1));
    if (twoPlayers)
        players[1].log = results::header(session.name(2));
}

void Game::play(const Problem& f)
{
    targetFormula = f.formula;
    kind = f.kind;
    previousInput.clear();
    over = false;
}

bool Game::input(const QString& formula, const QString& begin)
{
    if (over || formula.trimmed().isEmpty() || formula == previousInput)
        return false; // the same answer twice in a row counts once
    previousInput = formula;
    QString& log = current().log;
    if (attempt == 0) {
        ++current().answered;
        log += CRLF + QStringLiteral("functie: ") + begin + targetFormula + CRLF +
               QStringLiteral("invoer:") + results::oneLine(formula);
    } else {
        log += CRLF + QStringLiteral("       ") + results::oneLine(formula);
    }
    return true;
}

void Game::checked(bool isRight)
{
    right = isRight;
    over = isRight;
    if (!isRight) {
        if (attempt > 2)
            stage = Stage::AnswerOffered;
        return;
    }
    points = std::int16_t(points + pointsForAttempt(attempt));
    current().score += points;
    current().log += QStringLiteral("   ") + common::Str(points) + QStringLiteral(" pt.");
}

void Game::again()
{
    if (!right)
        ++attempt;
}

void Game::showAnswer()
{
    right = true;
    previousInput.clear();
    over = true;
    attempt = 0;
}

bool Game::next()
{
    attempt = 0;
    points = 0;
    stage = Stage::Playing;
    if (nextPlayer() == 2) {
        turn = 2;
        return true;
    }
    turn = 1;
    return ++problemNumber <= problemCount;
}

void Game::openHelp()
{
    stage = Stage::Cover;
    helpPage = 1;
}

void Game::helpPageShown(bool last)
{
    if (last) {
        stage = Stage::LastHelpPage;
    } else {
        stage = Stage::HelpPage;
        helpPage = 2;
    }
}

void Game::closeHelp()
{
    stage = Stage::Playing;
    helpPage = 0;
}

} // namespace graphs
