// Reading results files that pupils could write into the shared folder to
// stall the class overview: many header lines without a block between them,
// one block of millions of answer lines, one very long line. Each is read in
// two sizes, beside QFile::readAll of the same bytes; the reading time must
// grow in step with the size and stay within 10 times readAll. The peak
// memory of reading the largest block is shown against its file size.

#include "app/overview/resultsreader.h"
#include "besttimes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <functional>
#include <malloc.h>
#include <sys/resource.h>

namespace {

const QByteArray dashes = QByteArray(49, '-') + "\r\n";

// Writes head, then line `count` times, then tail; returns the file's size.
qint64 writeFile(const QString& path, const QByteArray& head, const QByteArray& line, qint64 count,
                 const QByteArray& tail)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return 0;
    f.write(head);
    QByteArray piece;
    for (qint64 i = 0; i < count; ++i) {
        piece += line;
        if (piece.size() >= (1 << 20) || i + 1 == count) {
            f.write(piece);
            piece.clear();
        }
    }
    f.write(tail);
    return f.size();
}

double peakMegabytes()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

struct Hostile {
    const char* what;
    QByteArray head, line, tail;
};

void measure(const QString& dir, const Hostile& h, qint64 count, bool memory)
{
    const QString path = dir + QStringLiteral("/oefset3_1.txt");
    const qint64 size = writeFile(path, h.head, h.line, count, h.tail);
    const double before = peakMegabytes();
    const Times read =
        bestOfThree([&] { overview::readResultsFile(path, QStringLiteral("oefset3_1.txt")); });
    const double peak = peakMegabytes();
    const Times readAll = bestOfThree([&] {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            f.readAll();
    });
    std::printf("  %-30s %9lld regels %6.1f MB: lezen %.3f s (processor %.3f s), readAll %.3f s "
                "(processor %.3f s), %.1f x (processor %.1f x)\n",
                h.what, qlonglong(count), size / 1e6, read.wall, read.cpu, readAll.wall,
                readAll.cpu, read.wall / readAll.wall, read.cpu / std::max(readAll.cpu, 1e-6));
    if (memory)
        std::printf(
            "    piekgeheugen bij het lezen: %.0f MB (was %.0f MB), %.1f x de bestandsgrootte\n",
            peak, before, (peak - before) / (size / 1048576.0));
    QFile::remove(path);
}

} // namespace

int main()
{
    // Large buffers always come fresh from the system, for the reader and for
    // readAll alike: without this the allocator keeps pages it has already
    // touched for the next large buffer, and readAll of the smaller file
    // would skip the page faults that the reader pays.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    QTemporaryDir dir;
    const QByteArray header = "Anna: (6-12-2026      10:15)\r\n";
    std::printf("Overzicht: vijandige resultatenbestanden\n");
    const qint64 millions[] = {1000000, 5000000};
    // The largest block first: the peak memory of the process is its own.
    const Hostile block{"een blok vol antwoordregels", header, "2 = 2   Goed\r\n",
                        "\r\neindresultaat:  5000000 goed van de  5000000\r\n" + dashes};
    measure(dir.path(), block, millions[1], true);
    Hostile smaller = block;
    smaller.tail = "\r\neindresultaat:  1000000 goed van de  1000000\r\n" + dashes;
    measure(dir.path(), smaller, millions[0], false);
    const Hostile headers{"kopregels zonder blok", {}, header, dashes};
    const Hostile torn{"kopregels, niets afgesloten", {}, header, {}};
    const Hostile answersUnended{"antwoordregels zonder einde", header, "2 = 2   Goed\r\n", {}};
    const Hostile dashLines{"regels van 50 streepjes", {}, QByteArray(50, '-') + "\r\n", dashes};
    for (const Hostile& h : {headers, torn, answersUnended, dashLines})
        for (const qint64 n : millions)
            measure(dir.path(), h, n, false);
    const Hostile longLine{"een lange regel", header, "x", "\r\n" + dashes};
    for (const qint64 n : {14000000LL, 70000000LL})
        measure(dir.path(), longLine, n, false);
    return 0;
}
