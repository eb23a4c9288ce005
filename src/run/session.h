#pragma once
// What the menu hands a run when it opens an exercise: which exercise, at
// which level, and who plays. A run reads it and never writes it back.

#include <QString>
#include <array>

namespace run {

struct Session {
    QString exercise; // the form name of the exercise ("metriek")
    int level = 1;    // the level chosen in the menu
    int playerCount = 1;
    std::array<QString, 2> names;
    QString choiceCaption; // caption of the chosen menu item
    // The exercise's results files "oefset<n>_<level>.txt" (0: none) and its
    // level that mixes the others (0: none), as the form list fills them in.
    int resultsNumber = 0;
    int mixedLevel = 0;

    bool twoPlayers() const { return playerCount == 2; }
    // `player` is 1 or 2.
    const QString& name(int player) const { return names[player - 1]; }
    // The chosen level is the one that mixes the others.
    bool mixed() const;
    // The results file of this exercise and level; empty when it keeps none.
    QString resultsFile() const;
    // The same session for the named exercise (a form knows which it is).
    Session forExercise(const QString& name) const
    {
        Session s = *this;
        s.exercise = name;
        return s;
    }
};

} // namespace run
