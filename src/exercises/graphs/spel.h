#pragma once
// A graph run without its window: whose turn it is, which function is being
// played, the attempts at it and their points, and what every typed formula
// adds to the player's results text. The form draws and reads formulas; this
// decides what an answer counts for.

#include "generator.h"
#include "run/player.h"
#include "run/session.h"

#include <QString>
#include <array>
#include <cstdint>

namespace graphs {

// Functions per player in a run, as the catalogue has it.
int functionsPerRun();

struct Spel {
    Spel() = default;
    // A new run: the players' names and results headers, no function yet.
    explicit Spel(const run::Session& session);

    bool tweeSpelers = false;
    bool doorElkaar = false;
    run::Players spelers; // score: points; count: functions started
    // On the mixed level, the kinds each player has had.
    std::array<GebruikteSoorten, 2> gebruikt{};

    int aantalFuncties = functionsPerRun();
    int functieNr = 1; // the function being played, 1 to aantalFuncties
    int beurt = 1;     // the player whose function it is
    QString doelformule;
    int soort = 0;  // kind of the function being played
    int poging = 0; // failed attempts at this function
    std::int16_t puntenNu = 0;
    QString vorigeInvoer;
    bool klopt = true;           // the last answer lay on the given curve
    bool goedBeantwoord = false; // this function is over: right, or shown

    run::Player& aanDeBeurt() { return spelers[beurt - 1]; }
    const QString& naamAanDeBeurt() const { return spelers[beurt - 1].naam; }
    // The player who gets the next function.
    int volgendeSpeler() const { return tweeSpelers && beurt == 1 ? 2 : 1; }

    // The function to play now, for the player whose turn it is.
    void speel(const Functie& f);

    // A formula typed for the function; false when it is ignored: empty or
    // blanks alone, the same as the last one, or the function is already
    // over. Blanks around a formula are no part of it when it is read; here
    // it is written to the results text as typed; `begin` is the text before
    // the box ("y =").
    bool invoer(const QString& formule, const QString& begin);
    // The formula could not be read: it costs an attempt.
    void onleesbaar() { ++poging; }
    // The formula was drawn: right when it lies on the given curve.
    void beoordeeld(bool goed);
    // "Dezelfde nog eens": a wrong answer costs an attempt.
    void nogEens();
    // "Antwoord": the function is over without points.
    void antwoordGetoond();
    // On to the next player, or the next function; false when the run is
    // over.
    bool volgende();
};

} // namespace graphs
