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

// What the form shows beside the function, and so what its help button does.
enum class Stage {
    Playing,       // "Hulp": opens the help's cover
    AnswerOffered, // "Antwoord": a wrong answer at the fourth attempt or later; shows the answer
    Cover,         // "Verder": the help's cover is shown, its first page comes next
    HelpPage,      // "Verder": a help page is shown that another follows
    LastHelpPage,  // "Terug": the help's last page is shown; back to the function
};

struct Game {
    Game() = default;
    // A new run: the players' names and results headers, no function yet.
    explicit Game(const run::Session& session);

    bool twoPlayers = false;
    bool mixed = false;
    run::Players players; // score: points; count: functions started
    // On the mixed level, the kinds each player has had.
    std::array<UsedKinds, 2> used{};

    int problemCount = functionsPerRun();
    int problemNumber = 1; // the function being played, 1 to problemCount
    int turn = 1;          // the player whose function it is
    QString targetFormula;
    int kind = 0;    // kind of the function being played
    int attempt = 0; // failed attempts at this function
    std::int16_t points = 0;
    QString previousInput;
    bool right = true; // the last answer lay on the given curve
    bool over = false; // this function is over: right, or shown
    Stage stage = Stage::Playing;
    int helpPage = 0; // the help page to show next or shown, 1 or 2; 0 outside the help

    run::Player& current() { return players[turn - 1]; }
    const QString& currentName() const { return players[turn - 1].name; }
    // The player who gets the next function.
    int nextPlayer() const { return twoPlayers && turn == 1 ? 2 : 1; }

    // The function to play now, for the player whose turn it is.
    void play(const Problem& f);

    // A formula typed for the function; false when it is ignored: empty or
    // blanks alone, the same as the last one, or the function is already
    // over. Blanks around a formula are no part of it when it is read; here
    // it is written to the results text as typed; `begin` is the text before
    // the box ("y =").
    bool input(const QString& formula, const QString& begin);
    // The formula could not be read: it costs an attempt.
    void unreadable() { ++attempt; }
    // The formula was drawn: right when it lies on the given curve. A wrong
    // one after three failed attempts offers the answer.
    void checked(bool isRight);
    // "Dezelfde nog eens": a wrong answer costs an attempt.
    void again();
    // "Antwoord": the function is over without points.
    void showAnswer();
    // On to the next player, or the next function; false when the run is
    // over. The help button offers help again.
    bool next();

    // "Hulp": the cover of the help.
    void openHelp();
    // A help page was drawn; `last` when none follows it.
    void helpPageShown(bool last);
    // "Terug": back to the function.
    void closeHelp();
};

} // namespace graphs
