#include "record.h"

#include "exercisenames.h"

#include <algorithm>
#include <limits>

namespace overview {

namespace {
// The next piece of text from at, up to its line end.
QByteArrayView piece(const QByteArray& text, qsizetype& at)
{
    const qsizetype end = text.indexOf('\n', at);
    const QByteArrayView p = QByteArrayView(text).sliced(at, end - at);
    at = end + 1;
    return p;
}

QString shown(QByteArrayView p)
{
    return QString::fromUtf8(p).trimmed();
}
} // namespace

Answer Record::answer(qsizetype i) const
{
    const Mark& m = marks[i];
    qsizetype at = m.start;
    Answer a;
    a.problem = shown(piece(text, at));
    a.given = shown(piece(text, at).chopped(m.cut));
    a.correct = shown(piece(text, at));
    a.note = shown(piece(text, at));
    a.right = m.right;
    a.points = m.points;
    a.attempts = m.attempts;
    return a;
}

bool Record::addAnswer(QByteArrayView problem, QByteArrayView given, QByteArrayView correct,
                       QByteArrayView note, bool right, int points, int attempts, int cut)
{
    const QByteArrayView pieces[] = {problem, given, correct, note};
    qsizetype size = text.size();
    for (const QByteArrayView p : pieces)
        size += p.size() + 1;
    if (size > std::numeric_limits<quint32>::max())
        return false;
    marks.append(Mark{quint32(text.size()), attempts, qint8(points), quint8(cut), right});
    if (size > text.capacity())
        text.reserve(std::max(size, 2 * text.capacity()));
    const qsizetype start = text.size();
    text.resize(size);
    char* at = text.data() + start;
    for (const QByteArrayView p : pieces) {
        at = std::copy(p.begin(), p.end(), at);
        *at++ = '\n';
    }
    return true;
}

void Record::setPoints(qsizetype i, int points, int cut)
{
    marks[i].points = qint8(points);
    marks[i].cut = quint8(cut);
    marks[i].right = points >= 0;
}

bool Record::addNote(QByteArrayView note)
{
    if (marks.isEmpty() || text.size() > std::numeric_limits<quint32>::max() - note.size() - 1)
        return false;
    text.chop(1);
    text += note;
    text += '\n';
    return true;
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
