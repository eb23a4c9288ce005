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

struct Vergelijking {
    int niveau = 1;   // 1 to 6: the level the equation was made for
    int opgaveNr = 0; // problem number of the run when it was made
    QString letter = QStringLiteral("x");
    int vergsoort = 1; // which form of the level (see the generator)

    // Whole numbers of the form; e, e1..e5 are operator factors +1 or -1.
    int a = 0, b = 0, c = 0, d = 0;
    int k = 1;               // fraction form: coefficient in the denominator
    int p = 0, q = 0, r = 0; // bracket form p(q·x ± r); level 6 uses q
    int f = 0;               // level 5, terms on both sides: right side d·x ± f
    int e = 1, e1 = 1, e2 = 1, e3 = 1, e4 = 1, e5 = 1;
    int A = 0, B = 0, s = 0; // level 6: A·x² ± B(x ± q)(x ± s) = K1·x + K0
    int K1 = 0, K0 = 0;

    // Levels 5 and 6: the solutions are -e1·oplossing1 and -e2·oplossing2
    // at level 5, -oplossing1 and -oplossing2 at level 6 (halves possible).
    float oplossing1 = 0, oplossing2 = 0;

    QString vergtekst; // the equation as shown; three lines (CR) for a fraction

    bool isBreuk() const { return niveau <= 2 && vergsoort == 2; }
    bool isKwadratisch() const { return niveau >= 5; }
    bool isHaakjesvorm() const { return niveau == 4 && vergsoort == 2; }
};

// Makes a random equation with a neat solution for level 1 to 6 and problem
// number opgaveNr, drawing in a fixed order from rnd.
Vergelijking vergelijking(int niveau, int opgaveNr, common::Random& rnd);

// Text of a coefficient before the letter: nothing for 0 and 1, "-" for -1,
// the number text otherwise (3 gives " 3").
QString tekstuitbreiden(int k);

// Appends the coefficient text of k to a worked-solution text.
void voegtoeuitleg(QString& uitlegtekst, int k);

// The prompt before the first answer box: " x =".
QString xisinvullen(const Vergelijking& v);

// Operator text of a factor +1/-1 as the equation writes it: " + " / " - ",
// or "+" / "-" in the bracket form and at level 6.
QString operatorTekst(const Vergelijking& v, int factor);

// The equation on one line, as the history and the results text log it.
QString logvorm(const Vergelijking& v);

// A fraction equation drawn on the picture area: a text and its height in
// twips from the top of the area.
struct Breukregel {
    int hoogte;
    QString tekst;
};
QList<Breukregel> breukregels(const Vergelijking& v);

// The expected solution of a linear equation (levels 1 to 4), in single
// precision.
float oplossing(const Vergelijking& v);

// The two solutions of a quadratic equation (levels 5 and 6).
struct Oplossingen {
    float s1 = 0, s2 = 0;
};
Oplossingen oplossingen(const Vergelijking& v);

} // namespace equations
