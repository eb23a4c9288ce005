#include "sheet.h"

#include "sources.h"

namespace worksheet {

namespace {
struct Entry {
    const char* id;
    Source source;
};

constexpr Entry sources[] = {
    {"hoeken", angles::sheetItems},
    {"procenten", percentages::sheetItems},
    {"metriek", metric::sheetItems},
    {"sommen", sums::sheetItems},
    {"haakjes", brackets::sheetItems},
    {"ontbinden", factoring::sheetItems},
    {"vergelijkingen", equations::sheetItems},
    {"grafieken", graphs::sheetItems},
};

// FNV-1a over the bytes of the text: the same on every machine.
std::uint64_t hashOf(const QByteArray& bytes)
{
    std::uint64_t h = 14695981039346656037ull;
    for (char c : bytes) {
        h ^= std::uint8_t(c);
        h *= 1099511628211ull;
    }
    return h;
}
} // namespace

// The version of the sheets' layout of seeds: raise it only with a reason,
// as it changes every sheet a teacher may want to print again.
constexpr int seedScheme = 1;

std::uint64_t seedOf(const catalogue::Exercise& e, int level, int count, int sheetNumber,
                     int version)
{
    return hashOf(QStringLiteral("werkblad %1 %2 %3 %4 %5 %6")
                      .arg(QLatin1StringView(e.id))
                      .arg(level)
                      .arg(count)
                      .arg(sheetNumber)
                      .arg(version)
                      .arg(seedScheme)
                      .toUtf8());
}

int levelCount(const catalogue::Exercise& e)
{
    return e.levels.empty() ? 1 : int(e.levels.size());
}

QString exerciseTitle(const catalogue::Exercise& e)
{
    if (*e.name)
        return QString::fromUtf8(e.name);
    return QString::fromUtf8(e.menuCaption).trimmed();
}

QString levelTitle(const catalogue::Exercise& e, int level)
{
    if (e.levels.empty())
        return QString::fromUtf8(e.menuCaption).trimmed();
    return QString::fromUtf8(e.levels[std::size_t(level - 1)].menuCaption).trimmed();
}

int defaultCount(const catalogue::Exercise& e, int level)
{
    const int n = catalogue::problemsPerRun(e, level);
    return n > 0 ? n : 10; // the angles are played to 100 points, not counted
}

int levelOfProblem(const catalogue::Exercise& e, int level, int n)
{
    return e.mixedLevel != 0 && level == e.mixedLevel ? catalogue::mixedLevelOfProblem(e, n - 1)
                                                      : level;
}

Source sourceOf(const catalogue::Exercise& e)
{
    for (const Entry& s : sources)
        if (QLatin1StringView(s.id) == QLatin1StringView(e.id))
            return s.source;
    return nullptr;
}

Sheet make(const catalogue::Exercise& e, int level, int count, std::uint64_t seed)
{
    Sheet sheet;
    if (const Source source = sourceOf(e)) {
        SheetRandom random(seed);
        sheet.items = source(e, level, count, random);
    }
    return sheet;
}

} // namespace worksheet
