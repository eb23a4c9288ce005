#pragma once
// One equation of the equations exercise: the random numbers it was made
// from, the letter, the text shown to the pupil, and the solutions that the
// answer check and the worked solution read.
//
// Levels: 1 and 2 "Bordjesmanier" (a·x ± b = c, and every fourth problem
// a / (k·x ± b) = c), 3 and 4 "Weegschaalmethode" (a·x ± b = c·x ± d, at
// level 4 every odd problem a·x ± p(q·x ± r) = c·x ± d), 5 and 6 quadratic.
// Level 7 mixes the others; the run picks the level per turn (catalogue).

#include "common/random.h"

#include <QString>
#include <QStringList>

namespace equations {

struct Equation {
    int level = 1;         // 1 to 6: the level the equation was made for
    int problemNumber = 0; // problem number of the run when it was made
    QString letter = QStringLiteral("x");
    int kind = 1; // which form of the level (see the generator)

    // Whole numbers of the form; e, e1..e5 are operator factors +1 or -1.
    int a = 0, b = 0, c = 0, d = 0;
    int k = 1;               // fraction form: coefficient in the denominator
    int p = 0, q = 0, r = 0; // bracket form p(q·x ± r); level 6 uses q
    int f = 0;               // level 5, terms on both sides: right side d·x ± f
    int e = 1, e1 = 1, e2 = 1, e3 = 1, e4 = 1, e5 = 1;
    int A = 0, B = 0, s = 0; // level 6: A·x² ± B(x ± q)(x ± s) = K1·x + K0
    int K1 = 0, K0 = 0;

    // Levels 5 and 6: the solutions are -e1·solution1 and -e2·solution2
    // at level 5, -solution1 and -solution2 at level 6 (halves possible).
    float solution1 = 0, solution2 = 0;

    QString text; // the equation as shown; three lines (CR) for a fraction

    bool isFraction() const { return level <= 2 && kind == 2; }
    bool isQuadratic() const { return level >= 5; }
    bool isBracketForm() const { return level == 4 && kind == 2; }
};

// Makes a random equation with a neat solution for level 1 to 6 and problem
// number problemNumber, drawing in a fixed order from rnd.
Equation generate(int level, int problemNumber, common::Random& rnd);

// Text of a coefficient before the letter: nothing for 0 and 1, "-" for -1,
// the number text otherwise (3 gives " 3").
QString coefficientText(int k);

// Appends the coefficient text of k to a worked-solution text.
void appendCoefficient(QString& explanationText, int k);

// The prompt before the first answer box: " x =".
QString answerPrompt(const Equation& v);

// Operator text of a factor +1/-1 as the equation writes it: " + " / " - ",
// or "+" / "-" in the bracket form and at level 6.
QString operatorText(const Equation& v, int factor);

// The equation on one line, as the history and the results text log it.
QString logText(const Equation& v);

// A fraction equation drawn on the picture area: a text and its height in
// twips from the top of the area.
struct FractionLine {
    int height;
    QString text;
};
QList<FractionLine> fractionLines(const Equation& v);

// The expected solution of a linear equation (levels 1 to 4), in single
// precision.
float solution(const Equation& v);

// The two solutions of a quadratic equation (levels 5 and 6).
struct Solutions {
    float s1 = 0, s2 = 0;
};
Solutions solutions(const Equation& v);

} // namespace equations
