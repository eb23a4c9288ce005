#pragma once
// What the class overview reads from results files: one record per player
// per block, with the answers of that run.

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace overview {

// One answer as the overview shows it: pieces of its results lines.
struct Answer {
    QString problem; // as it was shown
    QString given;   // typed (graphs: the last formula)
    QString correct; // after a wrong answer
    QString note;    // "maar beter is: ..."
    bool right = false;
    int points = -1;  // graphs: points for the function
    int attempts = 1; // graphs: formulas typed for the function
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

    // Score in % of the best possible; negative when nothing was answered.
    double percent() const;
    // "6-12-2026 10:15": as written when the date could not be read.
    QString whenText() const;

    qsizetype answerCount() const { return marks.size(); }
    Answer answer(qsizetype i) const;

    // Adds an answer from its pieces as UTF-8 text. A graph answer read as
    // right keeps its points text ("    5 pt.") at the end of given; cut
    // is its length. False when the record cannot hold more text.
    bool addAnswer(QByteArrayView problem, QByteArrayView given, QByteArrayView correct,
                   QByteArrayView note, bool right, int points = -1, int attempts = 1, int cut = 0);
    // A graph answer read again: right with points (cut bytes of points text
    // at the end of its formula), or wrong.
    void setPoints(qsizetype i, int points, int cut);
    int points(qsizetype i) const { return marks[i].points; }
    bool right(qsizetype i) const { return marks[i].right; }
    // Adds a note to the last answer.
    bool addNote(QByteArrayView note);

private:
    // The answers are kept compactly, as a run may hold millions of them:
    // their pieces, each ended by a line end, in one text, and per answer
    // where its pieces start.
    struct Mark {
        quint32 start = 0;
        qint32 attempts = 1;
        qint8 points = -1;
        quint8 cut = 0;
        bool right = false;
    };
    QByteArray text;
    QList<Mark> marks;
};

// True when a was played before b (by date, then by place in the file).
bool playedBefore(const Record& a, const Record& b);

} // namespace overview
