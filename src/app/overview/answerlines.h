#pragma once
// Reads the answer lines of one player's part of a block into answers.
//
// Every exercise but the graphs writes one line per answer: the problem, what
// was typed and the verdict ("Goed", or "Fout ,het is" / "Fout, het is" and
// the right answer). The percentages put some problems on a line of their own
// before the answer, and the factoring exercise may add " maar beter is: "
// after a right answer. The graph exercise writes "functie: " and the
// function, "invoer:" and the first formula typed, one indented line per
// further formula, and "   <points> pt." after the formula that was right.

#include "record.h"

#include <QStringView>

namespace overview {

class AnswerLines {
public:
    explicit AnswerLines(bool graphs) : graphs_(graphs) {}

    // False when the line is no answer line.
    bool feed(QStringView line);
    // False when an answer was left half-read.
    bool finish() const { return pending_.isEmpty(); }

    QList<Answer> answers;

private:
    bool feedGraphLine(QStringView line);
    bool graphs_;
    QString pending_; // a problem on a line of its own
};

// Splits what comes before the verdict into the problem and the typed answer.
void splitProblem(QStringView text, Answer& answer);

} // namespace overview
