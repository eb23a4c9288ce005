#include "resultsfolder.h"

#include <QDir>

namespace results {

namespace {
QString& current()
{
    static QString folder;
    return folder;
}
} // namespace

void setFolder(const QString& folder)
{
    current() = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

QString folder()
{
    return current();
}

QString inFolder(const QString& fileName)
{
    return current().isEmpty() ? fileName : QDir(current()).filePath(fileName);
}

} // namespace results
