#include "record.h"

#include "exercisenames.h"

namespace overview {

Answer::Span Answer::at(QStringView part) const
{
    const QStringView t = part.trimmed();
    if (t.isEmpty())
        return {};
    return {qsizetype(t.data() - text.constData()), t.size()};
}

double Record::percent() const
{
    if (count <= 0)
        return -1;
    const double best = double(pointsPerAnswer(option)) * count;
    return 100.0 * score / best;
}

QString Record::whenText() const
{
    if (!when.isValid())
        return (dateText + QLatin1Char(' ') + timeText).trimmed();
    return when.toString(QStringLiteral("d-M-yyyy H:mm"));
}

bool playedBefore(const Record& a, const Record& b)
{
    if (a.when != b.when)
        return a.when < b.when;
    if (a.file != b.file)
        return a.file < b.file;
    if (a.block != b.block)
        return a.block < b.block;
    return a.player < b.player;
}

} // namespace overview
