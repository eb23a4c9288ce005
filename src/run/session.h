#pragma once
// What the menu hands a run when it opens an exercise: which exercise, at
// which level, and who plays. A run reads it and never writes it back.

#include <QString>
#include <array>

namespace run {

struct Session {
    QString oefening; // the form name of the exercise ("metriek")
    int niveau = 1;   // the level chosen in the menu
    int aantalSpelers = 1;
    std::array<QString, 2> namen;
    QString keuzeTitel; // caption of the chosen menu item
    // The exercise's results files "oefset<n>_<level>.txt" (0: none) and its
    // level that mixes the others (0: none), as the form list fills them in.
    int resultsNumber = 0;
    int mixedLevel = 0;

    bool tweeSpelers() const { return aantalSpelers == 2; }
    // speler is 1 or 2.
    const QString& naam(int speler) const { return namen[speler - 1]; }
    // The chosen level is the one that mixes the others.
    bool doorElkaar() const;
    // The results file of this exercise and level; empty when it keeps none.
    QString resultatenBestand() const;
    // The same session for the named exercise (a form knows which it is).
    Session voor(const QString& naam) const
    {
        Session s = *this;
        s.oefening = naam;
        return s;
    }
};

} // namespace run
