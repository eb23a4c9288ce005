#pragma once
// What both algebra exercises do with a typed answer before their own
// checks, and the texts they show and log for it.

#include "census.h"
#include "formula.h"
#include "run/verdict.h"

#include <QString>

namespace algebra {

struct Lezing {
    bool gelijk = false; // the same function as the problem
    QString invoer;      // the answer as the box shows it afterwards
    Telling telling;     // taken only when gelijk
};

// Reads the typed answer and compares it with the problem's values at all
// meetpunten. When it is equal, its census is taken and `invoer` is the
// normalised text; otherwise `invoer` is the text as typed.
Lezing leesAntwoord(const QString& getypt, QChar letter, const Waarden& waarden);

// A sum of terms c * L^graad, highest power first: the first term with its
// coefficient text ("-6x²", " 6x²"), further terms with " + " or " - " and
// the coefficient text of the size (" -  10x"). Terms with coefficient 0 are
// left out; when all are 0 the text is " 0".
struct Term {
    int coefficient;
    int graad; // 0 to 3
};
QString veelterm(QChar letter, std::initializer_list<Term> termen);

// The verdict on a right answer. Player 1 writes it with "          = ",
// player 2 with "     = ".
run::Verdict goedRegels(const QString& tekst, const QString& antwoord, int speler);
// The verdict on a wrong answer; `antw` is the right one.
run::Verdict foutRegels(const QString& tekst, const QString& antwoord, const QString& antw);

} // namespace algebra
