#include "exercisenames.h"

namespace overview {

namespace {
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

const catalogue::Exercise& exercise(int option)
{
    return *catalogue::withResultsNumber(option);
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
    const catalogue::Exercise* e = catalogue::withResultsNumber(kind.option);
    if (pos != middle.size() || !e)
        return false;
    if (e->levels.empty())
        return kind.level == 0;
    return kind.level >= 1 && kind.level <= levelCount(kind.option);
}

int levelCount(int option)
{
    return std::max(int(exercise(option).levels.size()), 1);
}

QString exerciseName(int option)
{
    return QString::fromUtf8(exercise(option).name);
}

QString exerciseLevelName(int option, int level)
{
    const catalogue::Exercise& e = exercise(option);
    if (level < 1 || level > int(e.levels.size()))
        return exerciseName(option);
    return exerciseName(option) + QStringLiteral(": ") +
           QString::fromUtf8(e.levels[std::size_t(level) - 1].overviewName);
}

bool scoredInPoints(int option)
{
    const catalogue::Exercise* e = catalogue::withResultsNumber(option);
    return e && e->pointsPerProblem != 1;
}

int pointsPerAnswer(int option)
{
    const catalogue::Exercise* e = catalogue::withResultsNumber(option);
    return e ? e->pointsPerProblem : 1;
}

} // namespace overview
