#pragma once
// Which problems the class gets wrong: per exercise level the wrong answers
// grouped by the kind of problem, read from the problem text of the answer
// line (sums: the operations and the signs; metric units: the units from
// and to; percentages, brackets and factoring: the problem's form with its
// numbers left out; equations: the level's type; graphs: the kind of
// function). Per kind the wrong answers given most, each with an example
// problem, and every pupil's wrong answer.

#include "record.h"

namespace overview {

// The kind of the problem of answer number `number` (from 0) of a run.
QString problemKind(int option, int level, int number, const Answer& answer);

struct WrongAnswer {
    QString given;   // as typed
    int count = 0;   // how often
    QString example; // a problem it was given to
};

struct PupilAnswer {
    QString name;
    QString problem;
    QString given;
    QString correct;
};

struct ProblemKind {
    QString kind;
    int wrong = 0;             // wrong answers
    int answers = 0;           // answers
    QList<WrongAnswer> common; // most given first, at most three
    QList<PupilAnswer> pupils; // every wrong answer, by pupil
};

// The kinds of the level's problems that were answered wrong, most wrong first.
QList<ProblemKind> wrongByKind(const QList<const Record*>& records, int option, int level);

} // namespace overview
