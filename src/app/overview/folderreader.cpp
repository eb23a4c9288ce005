#include "folderreader.h"

#include <QDir>
#include <QDirIterator>
#include <QtConcurrent>

namespace overview {

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

QFuture<FileState> readFiles(const QString& folder, const QStringList& relativeNames)
{
    const QDir root(folder);
    return QtConcurrent::mapped(relativeNames, [root](const QString& name) {
        return FileState{name, readResultsFile(root.filePath(name), name)};
    });
}

QList<FileState> readFolder(const QString& folder)
{
    QFuture<FileState> future = readFiles(folder, findResultsFiles(folder));
    future.waitForFinished();
    return future.results();
}

} // namespace overview
