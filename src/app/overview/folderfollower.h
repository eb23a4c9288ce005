#pragma once
// Follows a results folder while the overview is open: when a file grows,
// only the bytes after its last whole block are read; a new file is read
// whole, and so is a file that became shorter (it was replaced). Changes are
// noticed by a file system watcher and, for network folders whose changes
// the watcher does not see, by a look at the file sizes every second. The
// reading happens on a worker thread.

#include "folderreader.h"

#include <QFileSystemWatcher>
#include <QFutureWatcher>
#include <QHash>
#include <QTimer>

namespace overview {

// What the overview knows of a file between reads.
struct Tracked {
    qint64 size = 0; // size when last read
    qint64 end = 0;  // offset after the last whole block
    int blocks = 0;
    int skipped = 0; // whole blocks skipped
    bool tornTail = false;
};

struct FileUpdate {
    QString relativeName;
    FileRead read;
    qint64 size = 0;
    bool whole = false; // read from the start: replaces what was known
};

// Reads what changed in the folder since known. A file that is gone comes
// back as a whole update without records. Setting stop ends it between files
// (or pieces of a large file); its updates are then of no use.
QList<FileUpdate> checkFolder(const QString& folder, const QHash<QString, Tracked>& known,
                              const StopFlag& stop = {});

// Applies an update to what is known of its file.
void track(QHash<QString, Tracked>& known, const FileUpdate& update);

class FolderFollower : public QObject {
    Q_OBJECT
public:
    explicit FolderFollower(QObject* parent = nullptr);
    ~FolderFollower() override; // a check still running stops at its next file

    // Starts following the folder, knowing the files already read (and stops
    // following the one before).
    void follow(const QString& folder, const QList<FileState>& read);
    // Stops following: no check starts, the one still running stops at its
    // next file and what it found is dropped.
    void stop();
    const QHash<QString, Tracked>& known() const { return known_; }
    // Checks at once (the timer and the watcher call it too).
    void check();

signals:
    void updated(const QList<overview::FileUpdate>& updates);

private:
    void finished();
    void watch();
    void unwatch();
    QString folder_;
    QHash<QString, Tracked> known_;
    QFileSystemWatcher watcher_;
    QTimer poll_;
    QFutureWatcher<QList<FileUpdate>> running_;
    StopFlag stop_ = newStopFlag();        // for the checks of this folder
    StopFlag runningStop_ = newStopFlag(); // the one the running check was given
    bool again_ = false;
};

} // namespace overview
