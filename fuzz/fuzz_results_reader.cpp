// Feeds arbitrary bytes to the class overview's results-file reader: no input
// may crash or hang it, and reading the bytes whole must give what reading
// them in steps gives, as the overview follows a file that grows: each step
// reads on from the end of the last whole block found before.
//
// The first byte picks the exercise, the second where the steps stop; the
// rest is the file.

#include "app/overview/resultsreader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString summary(const overview::Record& r)
{
    QStringList s{
        QString::number(r.block), QString::number(r.player), r.name, r.dateText, r.timeText,
        QString::number(r.score), QString::number(r.count)};
    for (qsizetype i = 0; i < r.answerCount(); ++i) {
        const overview::Answer a = r.answer(i);
        s << a.problem << a.given << a.correct << a.note << QString::number(a.right)
          << QString::number(a.points) << QString::number(a.attempts);
    }
    return s.join(QLatin1Char('|'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const overview::FileKind kind{1 + data[0] % 7, data[0] % 7 == 0 ? 0 : 1};
    std::uint32_t seed = data[1];
    const QByteArrayView bytes(reinterpret_cast<const char*>(data + 2), qsizetype(size - 2));

    const overview::FileRead whole = overview::readBlocks(bytes, kind);

    QStringList stepped;
    qint64 end = 0;
    int blocks = 0;
    int skipped = 0;
    bool tornTail = false;
    for (qsizetype cut = 0; cut < bytes.size();) {
        seed = seed * 1103515245u + 12345u;
        cut = std::min<qsizetype>(bytes.size(), cut + 1 + (seed >> 16) % 97);
        const overview::FileRead r =
            overview::readBlocks(bytes.first(cut).sliced(end), kind, blocks);
        for (const overview::Record& rec : r.records)
            stepped << summary(rec);
        end += r.end;
        blocks += r.blocks;
        skipped += r.skipped;
        tornTail = r.tornTail;
    }
    QStringList read;
    for (const overview::Record& rec : whole.records)
        read << summary(rec);
    if (read != stepped || end != whole.end || blocks != whole.blocks || skipped != whole.skipped ||
        tornTail != whole.tornTail)
        std::abort();
    return 0;
}
