#include "chartdata.h"

#include "exercisenames.h"

#include <map>

namespace overview {

QList<ChartLine> chartLines(const QList<const Record*>& runs)
{
    std::map<std::pair<int, int>, ChartLine> lines;
    for (const Record* r : runs) {
        if (!r->when.isValid() || r->count <= 0)
            continue;
        ChartLine& line = lines[{r->option, r->level}];
        line.option = r->option;
        line.level = r->level;
        line.points.append({r->when.toMSecsSinceEpoch(), r->percent(), r});
    }
    QList<ChartLine> out;
    for (auto& [key, line] : lines) {
        line.label = exerciseLevelName(line.option, line.level);
        std::stable_sort(
            line.points.begin(), line.points.end(),
            [](const ChartPoint& a, const ChartPoint& b) { return playedBefore(*a.run, *b.run); });
        out.append(line);
    }
    return out;
}

} // namespace overview
