// Reading a class's results folder for the overview: 10,000 results files
// holding 100 MB, read and understood on all cores, against reading the same
// bytes with QFile::readAll one file after the other. The files are made in a
// temporary folder first and read once to warm the page cache; each figure is
// the best of three. Then the extra time the mastery estimates take: every
// answer of the folder replayed in time order.

#include "app/overview/folderreader.h"
#include "app/overview/mastery.h"
#include "besttimes.h"
#include "sampleresults.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThreadPool>
#include <cstdio>
#include <ctime>

namespace {

constexpr int fileCount = 10000;
constexpr qint64 totalBytes = 100LL * 1000 * 1000;

// A results file of about the given size for one exercise level: one- and
// two-player blocks of pupils on several days.
QByteArray fileBody(int option, qint64 size)
{
    QByteArray body;
    const QStringList pupils{"Anna", "Bram", "Chaima", "Daan", "Eva", "Finn", "Gijs", "Hüseyin"};
    for (int k = 0; body.size() < size; ++k) {
        const QDateTime when = QDateTime(QDate(2026, 9, 1), QTime(8, 30)).addSecs(k * 3700);
        const int count = option == 3 ? 20 : 10;
        const QString one =
            samples::part(pupils[k % 8], when, option, count, (k * 7) % (count + 1));
        const QString two =
            k % 3 ? QString() : samples::part(pupils[(k + 3) % 8], when, option, count, count / 2);
        body += samples::block(one, two);
    }
    return body;
}

qint64 makeFolder(const QString& root)
{
    const QList<std::pair<int, int>> kinds = [] {
        QList<std::pair<int, int>> k{{1, 0}};
        const int levels[] = {0, 1, 4, 4, 5, 4, 7, 7};
        for (int option = 2; option <= 7; ++option)
            for (int level = 1; level <= levels[option]; ++level)
                k.append({option, level});
        return k;
    }();
    QList<QByteArray> bodies;
    for (auto [option, level] : kinds)
        bodies.append(fileBody(option, totalBytes / fileCount));
    qint64 written = 0;
    for (int i = 0; i < fileCount; ++i) {
        const int kind = i % int(kinds.size());
        const QString dir =
            QStringLiteral("%1/klas%2").arg(root).arg(i / kinds.size(), 3, 10, QLatin1Char('0'));
        QDir().mkpath(dir);
        QFile f(dir + QLatin1Char('/') + samples::fileName(kinds[kind].first, kinds[kind].second));
        if (f.open(QIODevice::WriteOnly))
            written += f.write(bodies[kind]);
    }
    return written;
}

} // namespace

int main()
{
    QTemporaryDir dir;
    const qint64 bytes = makeFolder(dir.path());
    const QStringList names = overview::findResultsFiles(dir.path());
    qint64 records = 0;
    const Times overviewTime = bestOfThree([&] {
        records = 0;
        for (const overview::FileState& f : overview::readFolder(dir.path()))
            records += f.read.records.size();
    });
    qint64 read = 0;
    const Times readAllTime = bestOfThree([&] {
        read = 0;
        for (const QString& name : names) {
            QFile f(dir.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                read += f.readAll().size();
        }
    });
    std::printf("Overzicht lezen: %lld bestanden, %.1f MB, %lld keer gespeeld, %d kernen\n",
                qlonglong(names.size()), bytes / 1e6, qlonglong(records),
                QThreadPool::globalInstance()->maxThreadCount());
    std::printf(
        "  lezen en begrijpen (alle kernen): %.3f s, processortijd %.3f s (doel: hoogstens 2 s)\n",
        overviewTime.wall, overviewTime.cpu);
    std::printf("  alleen QFile::readAll (een kern):  %.3f s, processortijd %.3f s (%.1f MB)\n",
                readAllTime.wall, readAllTime.cpu, read / 1e6);
    std::printf("  verhouding: %.1f x (processortijd %.1f x)\n",
                overviewTime.wall / readAllTime.wall, overviewTime.cpu / readAllTime.cpu);

    QList<overview::Record> all;
    for (const overview::FileState& f : overview::readFolder(dir.path()))
        all += f.read.records;
    QList<const overview::Record*> runs;
    qint64 answers = 0;
    for (const overview::Record& r : all) {
        runs.append(&r);
        answers += r.answerCount();
    }
    std::size_t levels = 0;
    const Times masteryTime =
        bestOfThree([&] { levels = std::size_t(overview::estimateMastery(runs).levels.size()); });
    std::printf("  beheersing schatten (%lld antwoorden, %zu leerling-niveaus): %.3f s extra, "
                "processortijd %.3f s (doel: minder dan 0,5 s)\n",
                qlonglong(answers), levels, masteryTime.wall, masteryTime.cpu);
    return 0;
}
