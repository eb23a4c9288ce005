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
using UsedKinds = std::array<bool, 9>;

struct Problem {
    int kind = 1;
    QString formula;
    QChar variable = QLatin1Char('x');
    QChar functionLetter = QLatin1Char('y');
    double xScale = 10;
    double yScale = 10;
    // What the box left of the answer shows ("y = ").
    QString formulaStart() const { return QString(functionLetter) + QStringLiteral(" = "); }
};

// A function of kind `kind`, or in the mixed level of a kind drawn among
// those the player has not had yet (`used` is that player's record).
Problem generate(int kind, bool mixed, UsedKinds& used, common::Random& random);

// The kind drawn when a mixed run starts; marked as used for player 1.
int firstMixedKind(UsedKinds& used1, common::Random& random);

// A coefficient in front of a term: nothing for 0 and 1, "-" for -1, the
// number text otherwise.
QString coefficientText(float c);

} // namespace graphs
