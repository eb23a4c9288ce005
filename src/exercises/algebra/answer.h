#pragma once
// What both algebra exercises do with a typed answer before their own
// checks, and the texts they show and log for it.

#include "census.h"
#include "formula.h"
#include "run/verdict.h"

#include <QString>

namespace algebra {

struct Reading {
    bool matches = false; // the same function as the problem
    QString input;        // the answer as the box shows it afterwards
    Census census;        // taken only when matches
};

// Reads the typed answer and compares it with the problem's values at all
// sample points. When it is equal, its census is taken and `input` is the
// normalised text; otherwise `input` is the text as typed.
Reading readAnswer(const QString& typed, QChar letter, const Values& values);

// A sum of terms c * L^degree, highest power first: the first term with its
// coefficient text ("-6x²", " 6x²"), further terms with " + " or " - " and
// the coefficient text of the size (" -  10x"). Terms with coefficient 0 are
// left out; when all are 0 the text is " 0".
struct Term {
    int coefficient;
    int degree; // 0 to 3
};
QString polynomial(QChar letter, std::initializer_list<Term> terms);

// The verdict on a right answer. Player 1 writes it with "          = ",
// player 2 with "     = ".
run::Verdict rightVerdict(const QString& text, const QString& given, int player);
// The verdict on a wrong answer; `answer` is the right one.
run::Verdict wrongVerdict(const QString& text, const QString& given, const QString& answer);

} // namespace algebra
