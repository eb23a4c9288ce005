#pragma once
// What a pupil's chart shows: for every exercise level a line of the score
// in % per run over time. Runs without a readable date or without answers
// have no point.

#include "runkey.h"

namespace overview {

struct ChartPoint {
    qint64 msecs = 0; // when the run was played
    double percent = 0;
    RunKey run;
};

struct ChartLine {
    QString label; // "Metriek: lengten"
    int option = 0;
    int level = 0;
    QList<ChartPoint> points; // oldest first
};

// Lines in exercise order from the pupil's runs.
QList<ChartLine> chartLines(QList<const Record*> runs);

// What the chart shows as text, for a screen reader: a line per exercise
// level with the date and score of every point.
// "Metriek: lengten: 2-12-2026 10:15 50,0 %; 4-12-2026 10:15 90,0 %"
QString chartText(const QList<ChartLine>& lines);

} // namespace overview
