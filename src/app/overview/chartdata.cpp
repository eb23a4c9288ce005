#include "chartdata.h"

#include "exercisenames.h"
#include "recordmodel.h"

#include <map>

namespace overview {

QList<ChartLine> chartLines(QList<const Record*> runs)
{
    std::stable_sort(runs.begin(), runs.end(),
                     [](const Record* a, const Record* b) { return playedBefore(*a, *b); });
    std::map<std::pair<int, int>, ChartLine> lines;
    for (const Record* r : runs) {
        if (!r->when.isValid() || r->count <= 0)
            continue;
        ChartLine& line = lines[{r->option, r->level}];
        line.option = r->option;
        line.level = r->level;
        line.points.append({r->when.toMSecsSinceEpoch(), r->percent(), keyOf(*r)});
    }
    QList<ChartLine> out;
    for (auto& [key, line] : lines) {
        line.label = exerciseLevelName(line.option, line.level);
        out.append(line);
    }
    return out;
}

QString chartText(const QList<ChartLine>& lines)
{
    QStringList out;
    for (const ChartLine& line : lines) {
        QStringList points;
        for (const ChartPoint& p : line.points)
            points << QDateTime::fromMSecsSinceEpoch(p.msecs).toString(
                          QStringLiteral("d-M-yyyy H:mm")) +
                          QLatin1Char(' ') + percentText(p.percent) + QStringLiteral(" %");
        out << line.label + QStringLiteral(": ") + points.join(QStringLiteral("; "));
    }
    return out.join(QLatin1Char('\n'));
}

} // namespace overview
