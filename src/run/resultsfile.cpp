#include "resultsfile.h"

#include "common/clock.h"
#include "run/resultsfolder.h"
#include "ui/messagebox.h"

#include <QFile>
#include <QStringDecoder>

namespace results {

namespace {
const QString crlf = QStringLiteral("\r\n");

// Windows-1252 for the bytes 0x80-0x9F; the rest is Latin-1.
QString decode1252(const QByteArray& bytes)
{
    static const char16_t high[32] = {
        0x20AC, 0x81,   0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x8D,   0x017D, 0x8F,   0x90,   0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x9D,   0x017E, 0x0178};
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        out += (b >= 0x80 && b < 0xA0) ? QChar(high[b - 0x80]) : QChar(b);
    }
    return out;
}

QString decodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decode1252(bytes);
}
} // namespace

QString fileName(int option, int level)
{
    if (option == 1)
        return inFolder(QStringLiteral("oefset1.txt"));
    return inFolder(QStringLiteral("oefset%1_%2.txt").arg(option).arg(std::abs(level)));
}

QString block(const QString& verslag1, const QString& verslag2)
{
    return verslag1 + crlf + crlf + verslag2 + crlf + QString(49, QLatin1Char('-')) + crlf;
}

bool append(const QString& name, const QString& verslag1, const QString& verslag2)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = block(verslag1, verslag2).toUtf8();
    const qint64 before = file.size();
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        // Take back a partial block so the earlier blocks stay as they were.
        file.resize(before);
    }
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

void reportNotSaved(const QString& name)
{
    ui::messageBox(QStringLiteral("Telkompas"),
                   QStringLiteral("Je antwoorden konden niet worden opgeslagen in het bestand ") +
                       name + QStringLiteral(".") + QChar(13) +
                       QStringLiteral("Vraag je leraar om hulp."));
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
    qsizetype start = 0;
    while (start < all.size()) {
        qsizetype end = all.indexOf("\r\n", start);
        qsizetype next = end + 2;
        if (end < 0) {
            end = all.size();
            next = end;
        }
        lines << decodeLine(all.mid(start, end - start));
        start = next;
    }
    return true;
}

QString header(const QString& naam)
{
    return naam + QStringLiteral(": (") + common::clock().dateText() + QStringLiteral("      ") +
           common::clock().timeText() + QStringLiteral(")") + crlf;
}

} // namespace results
