#pragma once
// Reads the answer lines of one player's part of a block into its record.
// Lines come as UTF-8 text without their line end.
//
// Every exercise but the graphs writes one line per answer: the problem, what
// was typed and the verdict. The program makes the problem and the verdict,
// the pupil only the typed part between them, so each line is read from its
// two ends: the verdict from the right ("Goed" at the end, or "Fout ,het is " /
// "Fout, het is " and the right answer, which the program made), the problem
// from the left, up to where the exercise puts the typed answer. The
// percentages put some problems on a line of their own before the answer,
// and the factoring exercise may add " maar beter is: " after a right answer.
//
// The graph exercise writes "functie: " and the function, "invoer:" and the
// first formula typed, one line indented by seven blanks per further formula,
// and "   <points> pt." after the formula that was right, which is the last
// line of its function. A typed formula may itself end in such a text: it is
// read as points when the points are possible after that many attempts, and
// where the part's end result says otherwise, the fewest readings are turned
// round that make the answers agree with it.

#include "exercises/catalogue.h"
#include "record.h"

#include <QByteArray>
#include <QByteArrayView>

namespace overview {

class AnswerLines {
public:
    // Adds the answers to record, an exercise's (option's) part.
    AnswerLines(int option, Record* record);

    // False when the line is no answer line.
    bool feed(QByteArrayView line);
    // The end result of the part: false when an answer was left half-read or
    // the answers do not agree with score and count.
    bool finish(int score, int count);

private:
    bool feedGraphLine(QByteArrayView line);
    void closeFunction();
    bool add(QByteArrayView problem, QByteArrayView head, QByteArrayView correct, bool right);
    catalogue::AnswerLine layout_ = catalogue::AnswerLine::AfterEquals;
    bool betterAfterRight_ = false;
    Record* record_;
    QByteArray pending_; // percentages: a problem on a line of its own
    bool noteAllowed_ = false;
    // graphs: the open function, its last formula and the formulas typed
    bool open_ = false;
    QByteArray function_, formula_;
    int attempts_ = 0;
};

} // namespace overview
