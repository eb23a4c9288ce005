#pragma once
// What a pupil's chart shows: for every exercise level a line of the score
// in % per run over time. Runs without a readable date or without answers
// have no point.

#include "record.h"

namespace overview {

struct ChartPoint {
    qint64 msecs = 0; // when the run was played
    double percent = 0;
    const Record* run = nullptr;
};

struct ChartLine {
    QString label; // "Metriek: lengten"
    int option = 0;
    int level = 0;
    QList<ChartPoint> points; // oldest first
};

// Lines in exercise order from the pupil's runs.
QList<ChartLine> chartLines(const QList<const Record*>& runs);

} // namespace overview
