#pragma once
// One price problem with percentages, of one of five kinds:
// 1 the discount in percent, 2 the old price before a rise, 3 the new price
// after a rise, 4 the old price before a discount, 5 the percentage of a rise.

#include "common/random.h"

#include <QString>

namespace percentages {

struct Opgave {
    int soort = 1;
    int prijs = 1000; // base price in euros, 1000 - 3999
    int perc = 2;     // percentage, 2 - 31
    double bedrag = 0;
    QString tekst1; // the two numbers of the problem as shown
    QString tekst2;
    double antwoordWaarde = 0; // the right answer, exact
    QString juist;             // the right answer as shown

    // The problem in three lines.
    QString regel1;
    QString regel2;
    QString regel3;
    // Layout in twips: width of the third line, width of the answer box and
    // its left edge for player 1 and player 2.
    int regel3Breedte = 2700;
    int antwoordBreedte = 900;
    int antwoordLinks1 = 2820;
    int antwoordLinks2 = 6480;
    int antwoordLinks(int speler) const { return speler == 2 ? antwoordLinks2 : antwoordLinks1; }
};

// The problem as one sentence for a screen reader, "…" where the answer goes.
QString uitgesproken(const Opgave& o);

// Draws the price and then the percentage, and builds a problem of the kind.
Opgave maakopgave(int soort, common::Random& random);
// The problem of the kind with the given price and percentage.
Opgave maakopgave(int soort, int prijs, int perc);

// The kind of player 1's problem number opgaveNr (counted from 1): 2, 3, 4, 5, 1, ...
inline int soortSpeler1(int opgaveNr)
{
    return opgaveNr % 5 + 1;
}
// The kind of player 2's problem after player 1's number opgaveNr: 4, 5, 1, 2, 3, ...
inline int soortSpeler2(int opgaveNr)
{
    return (opgaveNr + 2) % 5 + 1;
}

} // namespace percentages
