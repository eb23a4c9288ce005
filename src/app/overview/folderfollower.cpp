#include "folderfollower.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QtConcurrent>

namespace overview {

namespace {
// Watching every file would use up the system's watches on a large folder;
// the first ones are watched, the rest are seen by the size poll.
constexpr int maxWatchedFiles = 2000;
} // namespace

QList<FileUpdate> checkFolder(const QString& folder, const QHash<QString, Tracked>& known,
                              const StopFlag& stop)
{
    QList<FileUpdate> updates;
    const QDir root(folder);
    const QStringList found = findResultsFiles(folder);
    const QSet<QString> names(found.cbegin(), found.cend());
    for (const QString& name : found) {
        if (stop && stop->load())
            return updates;
        const QString path = root.filePath(name);
        const qint64 size = QFileInfo(path).size();
        const auto it = known.constFind(name);
        if (it != known.cend() && it->size == size)
            continue;
        FileUpdate u{name, {}, size, it == known.cend() || size < it->end};
        u.read = u.whole ? readFileInPieces(path, name, 0, 0, stop)
                         : readFileInPieces(path, name, it->end, it->blocks, stop);
        updates.append(u);
    }
    for (auto it = known.cbegin(); it != known.cend(); ++it) {
        if (!names.contains(it.key()))
            updates.append(FileUpdate{it.key(), {}, 0, true});
    }
    return updates;
}

void track(QHash<QString, Tracked>& known, const FileUpdate& u)
{
    if (u.whole && u.size == 0 && u.read.records.isEmpty() && !u.read.tornTail) {
        known.remove(u.relativeName);
        return;
    }
    Tracked& t = known[u.relativeName];
    if (u.whole)
        t = Tracked{};
    if (u.read.failed)
        return;
    t.size = u.size;
    t.end = u.read.end;
    t.blocks += u.read.blocks;
    t.skipped += u.read.skipped;
    t.tornTail = u.read.tornTail;
}

FolderFollower::FolderFollower(QObject* parent) : QObject(parent)
{
    poll_.setInterval(1000);
    connect(&poll_, &QTimer::timeout, this, &FolderFollower::check);
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, &FolderFollower::check);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, &FolderFollower::check);
    connect(&running_, &QFutureWatcher<QList<FileUpdate>>::finished, this,
            &FolderFollower::finished);
}

FolderFollower::~FolderFollower()
{
    stop_->store(true);
}

void FolderFollower::follow(const QString& folder, const QList<FileState>& read)
{
    stop();
    folder_ = folder;
    known_.clear();
    for (const FileState& f : read) {
        const qint64 size = QFileInfo(QDir(folder).filePath(f.relativeName)).size();
        track(known_, FileUpdate{f.relativeName, f.read, size, true});
    }
    watch();
    poll_.start();
}

void FolderFollower::stop()
{
    poll_.stop();
    unwatch();
    stop_->store(true);
    stop_ = newStopFlag();
    folder_.clear();
    known_.clear();
    again_ = false;
}

void FolderFollower::unwatch()
{
    if (!watcher_.files().isEmpty())
        watcher_.removePaths(watcher_.files());
    if (!watcher_.directories().isEmpty())
        watcher_.removePaths(watcher_.directories());
}

void FolderFollower::watch()
{
    unwatch();
    QStringList dirs{folder_};
    QDirIterator it(folder_, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        dirs << it.next();
    watcher_.addPaths(dirs);
    QStringList files;
    for (auto k = known_.cbegin(); k != known_.cend() && files.size() < maxWatchedFiles; ++k)
        files << QDir(folder_).filePath(k.key());
    if (!files.isEmpty())
        watcher_.addPaths(files);
}

void FolderFollower::check()
{
    if (folder_.isEmpty())
        return;
    if (running_.isRunning()) {
        again_ = true;
        return;
    }
    runningStop_ = stop_;
    running_.setFuture(QtConcurrent::run(checkFolder, folder_, known_, stop_));
}

void FolderFollower::finished()
{
    if (runningStop_ != stop_) { // a check of a folder no longer followed
        if (again_) {
            again_ = false;
            check();
        }
        return;
    }
    const QList<FileUpdate> updates = running_.result();
    bool newFiles = false;
    for (const FileUpdate& u : updates) {
        newFiles = newFiles || !known_.contains(u.relativeName);
        track(known_, u);
    }
    if (newFiles)
        watch();
    if (!updates.isEmpty())
        emit updated(updates);
    if (again_) {
        again_ = false;
        check();
    }
}

} // namespace overview
