#pragma once
// What the class overview reads from results files: one record per player
// per block, with the answers of that run.

#include <QDateTime>
#include <QList>
#include <QString>

namespace overview {

// One answer as its results line gives it.
struct Answer {
    QString problem; // the problem as it was shown
    QString given;   // what the pupil typed (graphs: the last formula)
    QString correct; // after a wrong answer: the right one
    QString note;    // a remark on the next line ("maar beter is: ...")
    bool right = false;
    int points = -1;  // graphs: points for the function
    int attempts = 1; // graphs: formulas typed for the function
};

// One player's part of one block.
struct Record {
    QString file;   // path of the results file, relative to the folder read
    int option = 0; // exercise: 1 percentages ... 7 graphs
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
