#pragma once
// Factoring: the problems of the three levels, their right answers and the
// judging of a typed answer.

#include "formula.h"

#include "common/random.h"

#include <QString>

namespace ontbinden {

struct Opgave {
    int niveau = 1; // 1 to 3 (a mixed run draws one of these per problem)
    int soort = 1;  // kind within the level, 1 to 4
    QChar letter = QLatin1Char('x');
    // Level 1: the factor c (may be negative) taken out of a·L ± b, with a
    // and b positive and coprime; s is the sign between the two terms of
    // the problem.
    int a = 0, b = 0, c = 0, s = 1;
    // Levels 2 and 3: (L + p)(L + q), times k in level 3.
    int p = 0, q = 0, k = 0;
    QString tekst;            // the problem as shown
    QString antw;             // the right answer, written out
    algebra::Waarden waarden; // the problem's rounded values
};

// A new problem of level 1 to 3; `opgaveNr` is the problem counter (for
// player 1 already raised), which sets the kind.
Opgave maakformule(int niveau, int opgaveNr, common::Random& r);

// A level 3 problem in falling powers: k L³ ± k(p+q) L² ± kpq L.
QString dalend(const Opgave& o);

// A typed answer checked, before the form makes it the run's verdict.
struct Nagekeken {
    bool goed = false;
    QString antwoord;     // the answer as the box shows it afterwards
    bool beterIs = false; // right, but a negative factor was meant in front
};

// Judges a typed answer: the same function as the problem, and written as a
// product as far as it goes.
Nagekeken beoordeel(const Opgave& o, const QString& getypt);

// The message after a right answer that should have taken out the minus.
inline const QString beterTitel = QStringLiteral("ontbinden");
QString beterMelding(const Opgave& o); // in the message box
QString beterRegel(const Opgave& o);   // on the picture area and in the results

// The worked explanation shown after a wrong answer, and its title.
QString uitleg(const Opgave& o);
QString uitlegTitel(const Opgave& o);

} // namespace ontbinden
