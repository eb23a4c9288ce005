#pragma once
// Factoring: the problems of the three levels, their right answers and the
// judging of a typed answer.

#include "formula.h"

#include "common/random.h"

#include <QString>

namespace factoring {

struct Problem {
    int level = 1; // 1 to 3 (a mixed run draws one of these per problem)
    int kind = 1;  // kind within the level, 1 to 4
    QChar letter = QLatin1Char('x');
    // Level 1: the factor c (may be negative) taken out of a·L ± b, with a
    // and b positive and coprime; s is the sign between the two terms of
    // the problem.
    int a = 0, b = 0, c = 0, s = 1;
    // Levels 2 and 3: (L + p)(L + q), times k in level 3.
    int p = 0, q = 0, k = 0;
    QString text;           // the problem as shown
    QString answer;         // the right answer, written out
    algebra::Values values; // the problem's rounded values
};

// A new problem of level 1 to 3; `problemNumber` is the problem counter (for
// player 1 already raised), which sets the kind.
Problem generate(int level, int problemNumber, common::Random& r);

// A level 3 problem in falling powers: k L³ ± k(p+q) L² ± kpq L.
QString fallingPowers(const Problem& o);

// A typed answer checked, before the form makes it the run's verdict.
struct Checked {
    bool right = false;
    QString given;       // the answer as the box shows it afterwards
    bool better = false; // right, but a negative factor was meant in front
};

// Judges a typed answer: the same function as the problem, and written as a
// product as far as it goes.
Checked check(const Problem& o, const QString& typed);

// The message after a right answer that should have taken out the minus.
inline const QString betterTitle = QStringLiteral("ontbinden");
QString betterMessage(const Problem& o); // in the message box
QString betterLine(const Problem& o);    // on the picture area and in the results

// The worked explanation shown after a wrong answer, and its title.
QString explain(const Problem& o);
QString explanationTitle(const Problem& o);

} // namespace factoring
