#include "game.h"

#include "common/numbertext.h"
#include "common/random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

using common::Str;

namespace angles {

namespace {
const QString CR = QStringLiteral("\r");
} // namespace

Angle generate(common::Random& rnd)
{
    Angle h;
    do {
        h.start = rnd.draw(360, 0);
        h.size = rnd.draw(160, 10);
    } while (h.start < 3 || h.end() > 360);
    return h;
}

std::optional<std::int16_t> readGuess(const QString& typed)
{
    const double g = std::floor(common::Val(typed));
    if (g == 0 || g < std::numeric_limits<std::int16_t>::min() ||
        g > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(g);
}

int points(int guess, int size)
{
    const int difference = std::abs(guess - size);
    return difference < 10 ? 10 - difference : 0;
}

void Game::begin(const Angle& h)
{
    angle = h;
    sweptTo = h.start;
    turn = 1;
    sweeping = false;
}

void Game::next(const Angle& h)
{
    ++turns;
    begin(h);
}

AfterGuess Game::guess(const QString& typed)
{
    if (sweeping)
        return AfterGuess::Ignored;
    const std::optional<std::int16_t> g = readGuess(typed);
    if (!g)
        return AfterGuess::Ignored;
    if (turn == 2 && *g == answer1)
        return AfterGuess::Ignored; // player 2 must say something else
    (turn == 1 ? answer1 : answer2) = *g;
    (turn == 1 ? points1 : points2) += points(*g, angle.size);
    if (turn == 1 && twoPlayers()) {
        turn = 2;
        return AfterGuess::Player2;
    }
    sweeping = true;
    return AfterGuess::Sweep;
}

std::optional<SweepStep> Game::sweepStep()
{
    const int end = angle.end();
    if (sweptTo == end)
        return std::nullopt;
    const int to = std::min(sweptTo + stepDegrees, end);
    const SweepStep step{sweptTo, to, to == end};
    sweptTo = to;
    return step;
}

std::vector<SweepStep> Game::swept() const
{
    Game replay = *this;
    replay.sweptTo = angle.start;
    std::vector<SweepStep> steps;
    while (replay.sweptTo != sweptTo)
        steps.push_back(*replay.sweepStep());
    return steps;
}

bool Game::finished() const
{
    return points1 >= pointsToWin || points2 >= pointsToWin;
}

QString prompt(const QString& name)
{
    return name + QStringLiteral(": hoeveel graden");
}

QString pointsText(const Game& game, const QString& name1, const QString& name2)
{
    const auto line = [](const QString& name, int p) {
        return name + QStringLiteral(": ") + Str(p) + QStringLiteral(" punten");
    };
    QString s = line(name1, game.points1);
    if (game.twoPlayers())
        s += CR + line(name2, game.points2);
    return s;
}

QString answerText(const Game& game)
{
    QString s = QStringLiteral("De hoek was ") + Str(game.angle.size) +
                QStringLiteral(" graden (geraden:") + Str(game.answer1);
    if (game.twoPlayers())
        s += QStringLiteral(" en ") + Str(game.answer2);
    return s + QStringLiteral(")");
}

QString endText(const Game& game, const QString& name1, const QString& name2)
{
    const auto won = [&game](const QString& winner, int winnerPoints, const QString& other,
                             int otherPoints) {
        return winner + QStringLiteral(" heeft gewonnen in ") + Str(game.turns) +
               QStringLiteral(" beurten (met ") + Str(winnerPoints) + QStringLiteral(" punten)") +
               CR + other + QStringLiteral(" had ") + Str(otherPoints) + QStringLiteral(" punten");
    };
    QString s;
    if (!game.twoPlayers())
        s = name1 + QStringLiteral(": in ") + Str(game.turns) + QStringLiteral(" beurten ") +
            Str(game.points1) + QStringLiteral(" punten");
    else if (game.points1 > game.points2)
        s = won(name1, game.points1, name2, game.points2);
    else if (game.points2 > game.points1)
        s = won(name2, game.points2, name1, game.points1);
    else
        s = QStringLiteral("Gelijk gespeeld ! (met ") + Str(game.points1) +
            QStringLiteral(" punten)");
    return s + CR + QString(45, QLatin1Char('_'));
}

QString description(const Angle& h)
{
    const auto minutes = [](int degrees) {
        const long m = std::lround(15.0 - degrees / 6.0);
        return double((m % 60 + 60) % 60);
    };
    return QStringLiteral("De rode hoek loopt met de klok mee van de wijzer op") +
           Str(minutes(h.end())) + QStringLiteral(" minuten naar de wijzer op") +
           Str(minutes(h.start)) + QStringLiteral(" minuten.");
}

} // namespace angles
