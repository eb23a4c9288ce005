#pragma once
// The angle guessing game without its window: a new angle, reading and
// scoring a guess, whose turn it is, the sweep over the angle in steps of 10
// degrees, the end test and the texts the game shows.

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace common {
class Random;
}

namespace angles {

constexpr int stepDegrees = 10;  // the sweep grows this much per tick
constexpr int pointsToWin = 100; // the game ends once a player has this many

// An angle on the screen: its first side points `start` degrees
// counter-clockwise from the direction to the right; it measures `size` degrees.
struct Angle {
    int start = 0;
    int size = 0;
    int end() const { return start + size; }
};

// Draws a start of 0..359 and a size of 10..169 degrees, again and again
// until the angle starts at 3 degrees or more and ends at 360 at most.
Angle generate(common::Random& rnd);

// The guess in the typed text: the whole number at or below the number read.
// Nothing when the guess is ignored: 0, no number, or beyond 16 bits.
std::optional<std::int16_t> readGuess(const QString& typed);

// 10 for an exact guess, one less per degree off, nothing from 10 off.
int points(int guess, int size);

// One step of the sweep: the sector from `from` to `to` degrees.
struct SweepStep {
    int from = 0;
    int to = 0;
    bool last = false; // it reaches the end of the angle: show the answer
};

enum class AfterGuess {
    Ignored, // nothing changed
    Player2, // player 2 guesses next
    Sweep,   // everyone has guessed: the sweep starts
};

// The state of one game. The sweep runs in whole degrees, so an angle of
// h degrees takes exactly ceil(h / 10) steps.
struct Game {
    explicit Game(int players = 1) : playerCount(players) {}

    int playerCount;
    Angle angle;
    int sweptTo = 0; // degrees; the blue sweep has been drawn up to here
    int turn = 1;    // whose guess is awaited
    std::int16_t answer1 = 0;
    std::int16_t answer2 = 0;
    int points1 = 0;
    int points2 = 0;
    int turns = 1; // number of the current angle
    bool sweeping = false;

    bool twoPlayers() const { return playerCount == 2; }

    // Puts a new angle up and waits for player 1; the next one counts a turn.
    void begin(const Angle& h);
    void next(const Angle& h);

    // A guess typed by the player whose turn it is. Ignored while sweeping,
    // for 0 and for text without a number, and when player 2 repeats
    // player 1's guess.
    AfterGuess guess(const QString& typed);

    // The next step of the sweep; nothing once the sweep has reached the end.
    std::optional<SweepStep> sweepStep();
    // The steps swept so far, in order.
    std::vector<SweepStep> swept() const;

    // Someone has reached 100 points.
    bool finished() const;
};

// The angle in words for a screen reader, its sides as the minute hand of a
// clock points (15 minutes to the right, 0 up): «De rode hoek loopt met de
// klok mee van de wijzer op 40 minuten naar de wijzer op 55 minuten.»
QString description(const Angle& h);

// The prompt above the answer box: «Anna: hoeveel graden».
QString prompt(const QString& name);
// «Anna:  17 punten», with player 2's line below it when two play.
QString pointsText(const Game& game, const QString& name1, const QString& name2);
// «De hoek was  45 graden (geraden: 40 en  50)».
QString answerText(const Game& game);
// The message at the end of the game, closed by a line of 45 "_".
QString endText(const Game& game, const QString& name1, const QString& name2);

} // namespace angles
