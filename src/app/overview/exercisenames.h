#pragma once
// Which exercise and level a results file holds, from its name
// ("oefset" option "_" level ".txt"; "oefset" option ".txt" without levels),
// and the names the overview shows for them.

#include "exercises/catalogue.h"

#include <QString>
#include <QStringView>

namespace overview {

// Results numbers run from 1 to this (the catalogue's).
inline const int optionCount = catalogue::resultsNumberCount();

struct FileKind {
    int option = 0; // the exercise's results number
    int level = 0;  // 0 for an exercise without levels (the percentages)
};

// False for any other file (a lock file beside a results file included).
bool kindOfFile(QStringView fileName, FileKind& kind);

// Number of levels of an exercise (1 for the percentages).
int levelCount(int option);
// "Metriek"
QString exerciseName(int option);
// "Metriek: lengten"; "Procenten" for the percentages.
QString exerciseLevelName(int option, int level);
// Whether a run of the exercise scores points rather than right answers
// (the graphs), and the most one answer can score.
bool scoredInPoints(int option);
int pointsPerAnswer(int option);

} // namespace overview
