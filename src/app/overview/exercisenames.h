#pragma once
// Which exercise and level a results file holds, from its name
// ("oefset" option "_" level ".txt"; "oefset1.txt" for the percentages),
// and the names the overview shows for them.

#include <QString>
#include <QStringView>

namespace overview {

constexpr int optionCount = 7;

struct FileKind {
    int option = 0; // 1 to 7
    int level = 0;  // 0 for the percentages
};

// False for any other file (a lock file beside a results file included).
bool kindOfFile(QStringView fileName, FileKind& kind);

// Number of levels of an exercise (1 for the percentages).
int levelCount(int option);
// "Metriek"
QString exerciseName(int option);
// "Metriek: lengten"; "Procenten" for the percentages.
QString exerciseLevelName(int option, int level);

} // namespace overview
