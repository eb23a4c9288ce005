#include "exercisenames.h"

#include <array>

namespace overview {

namespace {
struct Exercise {
    const char* name;
    std::array<const char*, 7> levels;
};

// clang-format off
const Exercise exercises[optionCount] = {
    {"Procenten", {}},
    {"Metriek", {"lengten", "oppervlakten", "inhouden", "door elkaar"}},
    {"Sommen", {"optellen/aftrekken 1", "optellen/aftrekken 2", "opt/aftr/verm 1",
                "opt/aftr/verm 2"}},
    {"Haakjes", {"één stel 1", "één stel 2", "twee stellen 1", "twee stellen 2", "door elkaar"}},
    {"Ontbinden", {"tweetermen", "drietermen 1", "drietermen 2", "door elkaar"}},
    {"Vergelijkingen", {"bordjes 1", "bordjes 2", "weegschaal 1", "weegschaal 2", "kwadratisch 1",
                        "kwadratisch 2", "door elkaar"}},
    {"Functies", {"lijnen 1", "lijnen 2", "parabolen", "gonio 1", "gonio 2", "wortels",
                  "door elkaar"}},
};
// clang-format on

// Reads the digits at pos; -1 when there are none.
int number(QStringView text, qsizetype& pos)
{
    int value = -1;
    while (pos < text.size() && text[pos].isDigit() && value < 1000) {
        value = (value < 0 ? 0 : value * 10) + text[pos].digitValue();
        ++pos;
    }
    return value;
}
} // namespace

bool kindOfFile(QStringView fileName, FileKind& kind)
{
    const auto prefix = QLatin1StringView("oefset");
    const auto suffix = QLatin1StringView(".txt");
    if (!fileName.startsWith(prefix, Qt::CaseInsensitive) ||
        !fileName.endsWith(suffix, Qt::CaseInsensitive))
        return false;
    const QStringView middle = fileName.mid(prefix.size(), fileName.size() - 10);
    qsizetype pos = 0;
    kind.option = number(middle, pos);
    kind.level = 0;
    if (pos < middle.size() && middle[pos] == QLatin1Char('_')) {
        ++pos;
        kind.level = number(middle, pos);
    }
    if (pos != middle.size() || kind.option < 1 || kind.option > optionCount)
        return false;
    if (kind.option == 1)
        return kind.level == 0;
    return kind.level >= 1 && kind.level <= levelCount(kind.option);
}

int levelCount(int option)
{
    int n = 0;
    for (const char* level : exercises[option - 1].levels)
        n += level != nullptr;
    return std::max(n, 1);
}

QString exerciseName(int option)
{
    return QString::fromUtf8(exercises[option - 1].name);
}

QString exerciseLevelName(int option, int level)
{
    if (level < 1 || level > levelCount(option) || !exercises[option - 1].levels[level - 1])
        return exerciseName(option);
    return exerciseName(option) + QStringLiteral(": ") +
           QString::fromUtf8(exercises[option - 1].levels[level - 1]);
}

} // namespace overview
