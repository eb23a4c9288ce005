#pragma once
// The random functions of the graph exercise. Each function is written as a
// formula text; the form reads and draws that text, so the text is the
// definition of the function.

#include "common/random.h"

#include <QString>
#include <array>

namespace graphs {

// Kinds: 1 line (scales 1), 2 line (scales drawn), 3 parabola, 4 and 5 sine,
// cosine or tangent, 6 square root, 7 hyperbola, 8 power of two. The mixed
// level of the menu mixes kinds 3, 4, 6, 7 and 8.

// Per kind 0..8: already used by this player in the mixed level.
using GebruikteSoorten = std::array<bool, 9>;

struct Functie {
    int soort = 1;
    QString formule;
    QChar variabele = QLatin1Char('x');
    QChar functieletter = QLatin1Char('y');
    double xschaal = 10;
    double yschaal = 10;
    // What the box left of the answer shows ("y = ").
    QString text2() const { return QString(functieletter) + QStringLiteral(" = "); }
};

// A function of kind `soort`, or in the mixed level of a kind drawn among
// those the player has not had yet (`gebruikt` is that player's record).
Functie genereerfunctie(int soort, bool doorElkaar, GebruikteSoorten& gebruikt,
                        common::Random& random);

// The kind drawn when a mixed run starts; marked as used for player 1.
int eersteSoortDoorElkaar(GebruikteSoorten& gebruikt1, common::Random& random);

// A coefficient in front of a term: nothing for 0 and 1, "-" for -1, the
// number text otherwise.
QString nulof1(float c);

} // namespace graphs
