#include "resultsreader.h"

#include "common/windows1252.h"

#include <QFile>
#include <QUtf8StringView>

namespace overview {

namespace {
constexpr qsizetype dashCount = 49;
constexpr qint64 pieceSize = 1 << 20;

bool isDashes(QByteArrayView line)
{
    if (line.size() != dashCount)
        return false;
    for (const char c : line) {
        if (c != '-')
            return false;
    }
    return true;
}
} // namespace

void ResultsStream::wholeLine(QByteArrayView line, qint64 lineEnd)
{
    if (line.endsWith('\r'))
        line.chop(1);
    if (isDashes(line)) {
        parser_.blockEnd();
        end_ = lineEnd;
        tail_ = false;
        return;
    }
    tail_ = tail_ || !line.trimmed().isEmpty();
    if (QUtf8StringView(line).isValidUtf8())
        return parser_.line(line);
    decoded_ = common::fromWindows1252(line).toUtf8();
    parser_.line(decoded_);
}

void ResultsStream::feed(QByteArrayView piece)
{
    qsizetype start = 0;
    for (qsizetype nl; (nl = piece.indexOf('\n', start)) >= 0; start = nl + 1) {
        const qint64 lineEnd = fed_ + nl + 1;
        if (rest_.isEmpty()) {
            wholeLine(piece.sliced(start, nl - start), lineEnd);
        } else {
            rest_ += piece.sliced(start, nl - start);
            wholeLine(rest_, lineEnd);
            rest_.clear();
        }
    }
    rest_ += piece.sliced(start);
    fed_ += piece.size();
}

FileRead ResultsStream::finish()
{
    FileRead out;
    out.records = std::move(parser_.records);
    out.blocks = parser_.blocks - firstBlock_;
    out.skipped = parser_.skipped;
    out.end = end_;
    out.tornTail = tail_ || !rest_.trimmed().isEmpty();
    return out;
}

FileRead readBlocks(QByteArrayView bytes, FileKind kind, int firstBlock)
{
    ResultsStream stream(kind, firstBlock);
    stream.feed(bytes);
    return stream.finish();
}

FileRead readResultsFile(const QString& path, const QString& relativeName, qint64 from,
                         int firstBlock)
{
    FileKind kind;
    kindOfFile(relativeName.mid(relativeName.lastIndexOf(QLatin1Char('/')) + 1), kind);
    FileRead failed;
    failed.failed = true;
    failed.end = from;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || (from > 0 && !file.seek(from)))
        return failed;
    ResultsStream stream(kind, firstBlock);
    QByteArray piece(pieceSize, Qt::Uninitialized);
    for (qint64 n; (n = file.read(piece.data(), pieceSize)) != 0;) {
        if (n < 0)
            return failed;
        stream.feed(QByteArrayView(piece).first(n));
    }
    FileRead out = stream.finish();
    out.end += from;
    for (Record& r : out.records)
        r.file = relativeName;
    return out;
}

} // namespace overview
