#include "resultsfile.h"

#include "common/clock.h"
#include "common/windows1252.h"
#include "run/resultsfolder.h"
#include "ui/messagebox.h"

#include <QFile>
#include <QStringDecoder>

namespace results {

namespace {
const QString crlf = QStringLiteral("\r\n");

QString decodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return common::fromWindows1252(bytes);
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
