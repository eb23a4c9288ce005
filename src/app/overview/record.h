#pragma once
// What the class overview reads from results files: one record per player
// per block, with the answers of that run.

#include <QDateTime>
#include <QList>
#include <QString>

namespace overview {

// One answer as its results lines give it. The lines are kept whole; the
// problem, the typed answer and the right answer are pieces of them.
struct Answer {
    struct Span {
        qsizetype from = 0;
        qsizetype size = 0;
    };
    QString text; // the answer's lines as written, joined by "\n"
    Span problemAt, givenAt, correctAt, noteAt;
    bool right = false;
    int points = -1;  // graphs: points for the function
    int attempts = 1; // graphs: formulas typed for the function

    QString problem() const { return piece(problemAt); } // as it was shown
    QString given() const { return piece(givenAt); }     // typed (graphs: the last formula)
    QString correct() const { return piece(correctAt); } // after a wrong answer
    QString note() const { return piece(noteAt); }       // "maar beter is: ..."

    // The span of part, a piece of text, without its blanks around it.
    Span at(QStringView part) const;

private:
    QString piece(Span s) const { return text.mid(s.from, s.size); }
};

// One player's part of one block.
struct Record {
    QString file;   // path of the results file, relative to the folder read
    int option = 0; // the exercise's results number (exercises/catalogue.cpp)
    int level = 0;  // 0 for the percentages
    int block = 0;  // number of the block in its file, from 0
    int player = 1; // 1 or 2 within the block
    QString name;
    QString dateText; // date and time as written
    QString timeText;
    QDateTime when; // invalid when the date could not be read
    int score = 0;  // right answers; points in the graph exercise
    int count = 0;  // answers given; functions in the graph exercise
    QList<Answer> answers;

    // Score in % of the best possible; negative when nothing was answered.
    double percent() const;
    // "6-12-2026 10:15": as written when the date could not be read.
    QString whenText() const;
};

// True when a was played before b (by date, then by place in the file).
bool playedBefore(const Record& a, const Record& b);

} // namespace overview
