#include "resultsreader.h"

#include "blockparser.h"
#include "common/windows1252.h"

#include <QFile>
#include <QStringDecoder>

namespace overview {

namespace {
constexpr qsizetype dashCount = 49;

bool isDashes(QStringView line)
{
    return line.size() == dashCount && line.count(QLatin1Char('-')) == dashCount;
}

// Just after the last whole line of 49 dashes; 0 when there is none.
qsizetype lastBlockEnd(QByteArrayView bytes)
{
    const QByteArray dashes(dashCount, '-');
    qsizetype at = bytes.size();
    while (at > 0 && (at = bytes.lastIndexOf(dashes, at - 1)) >= 0) {
        const qsizetype after = at + dashCount;
        if (at > 0 && bytes[at - 1] != '\n')
            continue;
        if (after == bytes.size() || (after + 1 == bytes.size() && bytes[after] == '\r'))
            return bytes.size();
        if (bytes[after] == '\n')
            return after + 1;
        if (bytes[after] == '\r' && bytes[after + 1] == '\n')
            return after + 2;
    }
    return 0;
}

QList<QStringView> splitLines(QStringView text)
{
    QList<QStringView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        QStringView line = text.mid(start, end - start);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.append(line);
        start = end + 1;
    }
    return lines;
}

bool allBlank(const QList<QStringView>& lines)
{
    for (QStringView line : lines) {
        if (!line.trimmed().isEmpty())
            return false;
    }
    return true;
}

// One stretch of lines up to a dashes line. When it is no block, a block may
// still start at a later header: the start of a torn block was left before it.
void readSegment(const QList<QStringView>& lines, bool graphs, FileRead& out)
{
    if (allBlank(lines))
        return;
    qsizetype from = 0;
    QString name, date, time;
    while (from < lines.size()) {
        if (from == 0 || parseHeader(lines[from], name, date, time)) {
            QList<Record> found;
            if (parseBlock(from == 0 ? lines : lines.mid(from), graphs, found)) {
                for (Record& r : found)
                    r.block = out.blocks + (from > 0);
                out.records += found;
                out.blocks += 1 + (from > 0);
                out.skipped += from > 0;
                return;
            }
        }
        ++from;
    }
    ++out.blocks;
    ++out.skipped;
}
} // namespace

QString decodeText(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line = bytes.sliced(start, end - start);
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder.decode(line);
        if (lineDecoder.hasError())
            common::appendWindows1252(line, text);
        else
            text += decoded;
        start = end;
    }
    return text;
}

FileRead readBlocks(QByteArrayView bytes, FileKind kind, int firstBlock)
{
    FileRead out;
    out.blocks = firstBlock;
    out.end = lastBlockEnd(bytes);
    out.tornTail = !bytes.sliced(out.end).trimmed().isEmpty();
    const QString text = decodeText(bytes.first(out.end));
    const QList<QStringView> lines = splitLines(text);
    const bool graphs = kind.option == 7;
    qsizetype start = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (isDashes(lines[i])) {
            readSegment(lines.mid(start, i - start), graphs, out);
            start = i + 1;
        }
    }
    for (Record& r : out.records) {
        r.option = kind.option;
        r.level = kind.level;
    }
    out.blocks -= firstBlock;
    return out;
}

FileRead readResultsFile(const QString& path, const QString& relativeName, qint64 from,
                         int firstBlock)
{
    FileKind kind;
    kindOfFile(relativeName.mid(relativeName.lastIndexOf(QLatin1Char('/')) + 1), kind);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || (from > 0 && !file.seek(from))) {
        FileRead failed;
        failed.failed = true;
        failed.end = from;
        return failed;
    }
    const QByteArray bytes = file.readAll();
    FileRead out = readBlocks(bytes, kind, firstBlock);
    out.end += from;
    for (Record& r : out.records)
        r.file = relativeName;
    return out;
}

} // namespace overview
