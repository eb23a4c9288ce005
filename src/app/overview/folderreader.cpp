#include "folderreader.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QtConcurrent>

namespace overview {

namespace {
// Large enough that a file of a class is one piece, small enough that a stop
// is seen within a fraction of a second.
constexpr qint64 pieceSize = 4 << 20;

bool stopped(const StopFlag& stop)
{
    return stop && stop->load();
}
} // namespace

StopFlag newStopFlag()
{
    return std::make_shared<std::atomic_bool>(false);
}

QStringList findResultsFiles(const QString& folder)
{
    QStringList names;
    const QDir root(folder);
    QDirIterator it(folder, {QStringLiteral("oefset*")}, QDir::Files | QDir::Readable,
                    QDirIterator::Subdirectories);
    FileKind kind;
    while (it.hasNext()) {
        it.next();
        if (kindOfFile(it.fileName(), kind))
            names.append(root.relativeFilePath(it.filePath()));
    }
    names.sort();
    return names;
}

// Each piece ends on a whole line and is read as the follower reads a file
// that is still growing: up to its last whole block, the next piece on from
// there.
FileRead readFileInPieces(const QString& path, const QString& relativeName, qint64 from,
                          int firstBlock, const StopFlag& stop)
{
    QFile file(path);
    if (QFileInfo(path).size() - from <= pieceSize || !file.open(QIODevice::ReadOnly))
        return readResultsFile(path, relativeName, from, firstBlock);
    FileKind kind;
    kindOfFile(relativeName.mid(relativeName.lastIndexOf(QLatin1Char('/')) + 1), kind);
    FileRead out;
    out.end = from;
    qint64 size = pieceSize;
    while (!stopped(stop)) {
        if (!file.seek(out.end))
            break;
        QByteArray bytes = file.read(size);
        const bool last = bytes.size() < size;
        if (!last)
            bytes.truncate(bytes.lastIndexOf('\n') + 1);
        FileRead piece = readBlocks(bytes, kind, firstBlock + out.blocks);
        if (piece.end == 0 && !last) {
            size *= 2; // a block larger than a piece
            continue;
        }
        for (Record& r : piece.records)
            r.file = relativeName;
        out.records += std::move(piece.records);
        out.blocks += piece.blocks;
        out.skipped += piece.skipped;
        out.end += piece.end;
        if (last) {
            out.tornTail = piece.tornTail;
            return out;
        }
        size = pieceSize;
    }
    out.failed = true;
    return out;
}

QFuture<FileState> readFiles(const QString& folder, const QStringList& relativeNames,
                             const StopFlag& stop)
{
    const QDir root(folder);
    return QtConcurrent::mapped(relativeNames, [root, stop](const QString& name) {
        return FileState{name, readFileInPieces(root.filePath(name), name, 0, 0, stop)};
    });
}

QList<FileState> readFolder(const QString& folder)
{
    QFuture<FileState> future = readFiles(folder, findResultsFiles(folder));
    future.waitForFinished();
    return future.results();
}

} // namespace overview
