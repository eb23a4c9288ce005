#pragma once
// Removing brackets: the problems of the five levels, their right answers
// and the judging of a typed answer.

#include "formula.h"

#include "common/random.h"

#include <QString>

namespace brackets {

struct Problem {
    int level = 1; // 1 to 4 (a mixed run draws one of these per problem)
    int kind = 1;  // kind within the level, 1 to 4
    QChar letter = QLatin1Char('x');
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0, g = 0, h = 0, m = 0;
    int s1 = 1, s2 = 1, s3 = 1, s4 = 1; // drawn signs, +1 or -1
    QString text;                       // the problem as shown
    QString answer;                     // the right answer, written out
    algebra::Values values;             // the problem's rounded values
};

// A new problem of level 1 to 4; `problemNumber` is the problem counter (for
// player 1 already raised), which sets the kind.
Problem generate(int level, int problemNumber, common::Random& r);

// A typed answer checked, before the form makes it the run's verdict.
struct Checked {
    bool right = false;
    QString given; // the answer as the box shows it afterwards
};

// Judges a typed answer: the same function as the problem, and written as
// short as possible.
Checked check(const Problem& o, const QString& typed);

// The worked explanation shown after a wrong answer, and its title.
QString explain(const Problem& o);
inline const QString explanationTitle = QStringLiteral("Haakjes wegwerken");

} // namespace brackets
