#include "resultsfile.h"

#include "common/clock.h"
#include "common/windows1252.h"
#include "run/resultsfolder.h"

#include <QFile>
#include <QUtf8StringView>

namespace results {

namespace {
const QString crlf = QStringLiteral("\r\n");

QString decodeLine(QByteArrayView bytes)
{
    if (QUtf8StringView(bytes).isValidUtf8())
        return QString::fromUtf8(bytes);
    return common::fromWindows1252(bytes);
}

// Splits whole lines off the bytes: CR LF, LF and a lone CR each end a line.
QStringList splitLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n')
            continue;
        lines << decodeLine(bytes.sliced(start, i - start));
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines << decodeLine(bytes.sliced(start));
    return lines;
}
} // namespace

QString fileName(int option, int level)
{
    if (level == 0)
        return inFolder(QStringLiteral("oefset%1.txt").arg(option));
    return inFolder(QStringLiteral("oefset%1_%2.txt").arg(option).arg(std::abs(level)));
}

QString block(const QString& log1, const QString& log2)
{
    return log1 + crlf + crlf + log2 + crlf + QString(49, QLatin1Char('-')) + crlf;
}

QString notSavedText(const QString& name)
{
    return QStringLiteral("Je antwoorden konden niet worden opgeslagen in het bestand ") + name +
           QStringLiteral(".") + QChar(13) + QStringLiteral("Vraag je leraar om hulp.");
}

QStringList LineDecoder::feed(const QByteArray& piece)
{
    rest_ += piece;
    // Up to the last LF: a CR at the very end may still get its LF.
    const qsizetype end = rest_.lastIndexOf('\n') + 1;
    if (end == 0)
        return {};
    const QStringList lines = splitLines(QByteArrayView(rest_).first(end));
    rest_.remove(0, end);
    return lines;
}

QStringList LineDecoder::finish()
{
    const QStringList lines = splitLines(rest_);
    rest_.clear();
    return lines;
}

bool readLines(const QString& name, QStringList& lines)
{
    lines.clear();
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    LineDecoder decoder;
    lines = decoder.feed(all) + decoder.finish();
    return true;
}

QString oneLine(const QString& text)
{
    QString line = text;
    for (QChar& c : line) {
        const QChar::Category k = c.category();
        if (k == QChar::Other_Control || k == QChar::Separator_Line ||
            k == QChar::Separator_Paragraph)
            c = QLatin1Char(' ');
    }
    return line;
}

QString header(const QString& name)
{
    return oneLine(name) + QStringLiteral(": (") + common::clock().dateText() +
           QStringLiteral("      ") + common::clock().timeText() + QStringLiteral(")") + crlf;
}

} // namespace results
