#pragma once
// How well each pupil masters each exercise level, estimated from every
// answer in the folder (docs/mastery.md): the answers are replayed in the
// order they were given through a rating model with a rating per pupil and
// exercise and a difficulty per exercise level; the predicted chance of a
// right answer at a level is logistic(rating - difficulty). A pupil whose
// last three runs of a level stayed under 60 % without going up is stuck
// there, and per exercise the advice says which level to practise next.
// Pupils are told apart by name, as the class table does.

#include "record.h"

#include <QDate>
#include <QList>

namespace overview {

namespace mastery {
constexpr int minimumAnswers = 10;  // fewer at a level: too little to go on
constexpr double moveOn = 0.85;     // chance at which the next level is advised
constexpr double goBack = 0.50;     // below it the level before is advised
constexpr double stuckBelow = 60.0; // % of each of the last three runs
} // namespace mastery

struct LevelMastery {
    QString name;
    int option = 0;
    int level = 0;
    int answers = 0;    // answers at this level
    double chance = 0;  // predicted chance of a right answer, 0 to 1
    bool stuck = false; // the last three runs stayed under 60 %, not going up
    QDate stuckSince;   // date of the first of those three runs
    bool enough() const { return answers >= mastery::minimumAnswers; }
};

struct Advice {
    enum Kind { MoveOn, Stay, GoBack, Mastered, TooFew };
    QString name;
    int option = 0;
    int from = 0;  // the level last played
    int level = 0; // the level to practise next
    Kind kind = Stay;
    double chance = 0; // at the level last played
};

struct Mastery {
    QList<LevelMastery> levels; // by name, then exercise and level
    QList<Advice> advice;       // by name, then exercise

    const LevelMastery* find(const QString& name, int option, int level) const;
    const Advice* adviceOf(const QString& name, int option) const;
    QList<Advice> adviceOf(const QString& name) const;
};

// Takes time in step with the number of answers; the records may come in
// any order.
Mastery estimateMastery(const QList<const Record*>& records);

// Whether an answer counts as right: for an exercise scored in points when
// it scored any.
bool answeredRight(const Record& run, qsizetype answer);

// "73 %", or "te weinig gegevens".
QString chanceText(const LevelMastery& level);
// "door naar Metriek: inhouden", "terug naar Metriek: lengten", ...
QString adviceText(const Advice& advice);
// The pupil's advice, a line per exercise: "door naar Metriek: inhouden
// (91 % kans goed op Metriek: oppervlakten)", "verder oefenen met Metriek:
// lengten (71 % kans goed)".
QStringList adviceLines(const Mastery& m, const QString& name);

} // namespace overview
