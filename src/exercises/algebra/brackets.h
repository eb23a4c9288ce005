#pragma once
// Removing brackets: the problems of the five levels, their right answers
// and the judging of a typed answer.

#include "formula.h"

#include "common/random.h"

#include <QString>

namespace haakjes {

struct Opgave {
    int niveau = 1; // 1 to 4 (a mixed run draws one of these per problem)
    int soort = 1;  // kind within the level, 1 to 4
    QChar letter = QLatin1Char('x');
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, g = 0, h = 0, m = 0;
    int s1 = 1, s2 = 1, s3 = 1, s4 = 1; // drawn signs, +1 or -1
    QString tekst;                      // the problem as shown
    QString antw;                       // the right answer, written out
    algebra::Waarden waarden;           // the problem's rounded values
};

// A new problem of level 1 to 4; `opgaveNr` is the problem counter (for
// player 1 already raised), which sets the kind.
Opgave maakformule(int niveau, int opgaveNr, common::Random& r);

// A typed answer checked, before the form makes it the run's verdict.
struct Nagekeken {
    bool goed = false;
    QString antwoord; // the answer as the box shows it afterwards
};

// Judges a typed answer: the same function as the problem, and written as
// short as possible.
Nagekeken beoordeel(const Opgave& o, const QString& getypt);

// The worked explanation shown after a wrong answer, and its title.
QString uitleg(const Opgave& o);
inline const QString uitlegTitel = QStringLiteral("Haakjes wegwerken");

} // namespace haakjes
