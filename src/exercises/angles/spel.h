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

constexpr int stapGraden = 10;  // the sweep grows this much per tick
constexpr int eindPunten = 100; // the game ends once a player has this many

// An angle on the screen: its first side points startHoek degrees
// counter-clockwise from the direction to the right; it measures hoek degrees.
struct Hoek {
    int startHoek = 0;
    int hoek = 0;
    int eindHoek() const { return startHoek + hoek; }
};

// Draws a start of 0..359 and a size of 10..169 degrees, again and again
// until the angle starts at 3 degrees or more and ends at 360 at most.
Hoek nieuweHoek(common::Random& rnd);

// The guess in the typed text: the whole number at or below the number read.
// Nothing when the guess is ignored: 0, no number, or beyond 16 bits.
std::optional<std::int16_t> leesGok(const QString& typed);

// 10 for an exact guess, one less per degree off, nothing from 10 off.
int punten(int gok, int hoek);

// One step of the sweep: the sector from van to tot degrees.
struct VeegStap {
    int van = 0;
    int tot = 0;
    bool laatste = false; // it reaches the end of the angle: show the answer
};

enum class NaGok {
    Genegeerd, // nothing changed
    Speler2,   // player 2 guesses next
    Vegen,     // everyone has guessed: the sweep starts
};

// The state of one game. The sweep runs in whole degrees, so an angle of
// h degrees takes exactly ceil(h / 10) steps.
struct Spel {
    explicit Spel(int spelers = 1) : aantalSpelers(spelers) {}

    int aantalSpelers;
    Hoek hoek;
    int veegHoek = 0; // degrees; the blue sweep has been drawn up to here
    int beurt = 1;    // whose guess is awaited
    std::int16_t antwoord1 = 0;
    std::int16_t antwoord2 = 0;
    int punten1 = 0;
    int punten2 = 0;
    int beurten = 1; // number of the current angle
    bool vegen = false;

    bool tweeSpelers() const { return aantalSpelers == 2; }

    // Puts a new angle up and waits for player 1; the next one counts a turn.
    void begin(const Hoek& h);
    void volgende(const Hoek& h);

    // A guess typed by the player whose turn it is. Ignored while sweeping,
    // for 0 and for text without a number, and when player 2 repeats
    // player 1's guess.
    NaGok gok(const QString& typed);

    // The next step of the sweep; nothing once the sweep has reached the end.
    std::optional<VeegStap> veegStap();
    // The steps swept so far, in order.
    std::vector<VeegStap> geveegd() const;

    // Someone has reached 100 points.
    bool afgelopen() const;
};

// The angle in words for a screen reader, its sides as the minute hand of a
// clock points (15 minutes to the right, 0 up): «De rode hoek loopt met de
// klok mee van de wijzer op 40 minuten naar de wijzer op 55 minuten.»
QString beschrijving(const Hoek& h);

// The prompt above the answer box: «Anna: hoeveel graden».
QString vraag(const QString& naam);
// «Anna:  17 punten», with player 2's line below it when two play.
QString puntenTekst(const Spel& spel, const QString& naam1, const QString& naam2);
// «De hoek was  45 graden (geraden: 40 en  50)».
QString antwoordTekst(const Spel& spel);
// The message at the end of the game, closed by a line of 45 "_".
QString eindTekst(const Spel& spel, const QString& naam1, const QString& naam2);

} // namespace angles
