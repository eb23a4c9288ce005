// Appending a block to a results file so that nothing already in the file can
// be damaged: the append happens under a lock file, unbuffered, and a write
// that stops part way (disk full, file-size limit) is cut back to the size the
// file had before. The cut happens only when the file holds nothing but this
// program's own piece beyond that size: where no lock file could be made, or
// another program took the lock over as stale, a block another program
// appended meanwhile stays whole, and so does the piece, which readers skip.
// A block counts as saved only once it is on the disk (fsync).

#include "resultsfile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QRandomGenerator>
#include <QThread>

#include <csignal>

#include <sys/stat.h>
#include <unistd.h>

namespace results {

namespace {

struct LockTimes {
    // How long to wait for another program's append before giving up.
    int waitMs = 10000;
    // A lock of another computer older than this belongs to a program that
    // stopped while appending (an append takes milliseconds, also on a
    // network folder). One of this computer is left behind only when its
    // program has ended: QLockFile checks.
    int staleMs = 5000;
};

LockTimes& lockTimes()
{
    static LockTimes times;
    return times;
}

Writer& writerSeam()
{
    static Writer w;
    return w;
}

// Past a file-size limit the system would end the program with a signal;
// ignored, the write fails with an error instead and is taken back.
void letWritesFailPastSizeLimit()
{
#ifdef SIGXFSZ
    static const bool once = [] {
        std::signal(SIGXFSZ, SIG_IGN);
        return true;
    }();
    Q_UNUSED(once);
#endif
}

// Takes the lock beside the results file. False when another program holds it
// for longer than the wait. Where no lock file can be made at all (a folder
// that is read-only for this user) the append goes on without one.
bool takeLock(QLockFile& lock)
{
    lock.setStaleLockTime(lockTimes().staleMs);
    QElapsedTimer waited;
    waited.start();
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError)
            return true;
        if (waited.hasExpired(lockTimes().waitMs))
            return false;
        QThread::msleep(5 + QRandomGenerator::global()->bounded(20));
    }
    return true;
}

// True when the file is empty or its last byte ends a line.
bool endsWithLineEnd(const QString& name, qint64 size)
{
    if (size == 0)
        return true;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(size - 1))
        return true;
    return file.read(1) == "\n";
}

qint64 write(QFile& file, const QByteArray& bytes)
{
    return writerSeam() ? writerSeam()(file, bytes) : file.write(bytes);
}

// The size of the open file as it is now on the disk, or -1.
qint64 sizeNow(const QFile& file)
{
    struct stat st;
    return ::fstat(file.handle(), &st) == 0 ? qint64(st.st_size) : -1;
}

bool appendLocked(const QString& name, const QByteArray& block)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return false;
    const qint64 before = sizeNow(file);
    if (before < 0)
        return false;
    const qint64 start = file.pos(); // goes up by every byte this program writes
    const QByteArray bytes = endsWithLineEnd(name, before) ? block : "\r\n" + block;
    const bool written = write(file, bytes) == bytes.size() &&
                         sizeNow(file) == before + bytes.size() && ::fsync(file.handle()) == 0;
    if (!written && sizeNow(file) == before + (file.pos() - start))
        file.resize(before); // unbuffered: straight to the open handle
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

} // namespace

void setWriter(Writer writer)
{
    writerSeam() = std::move(writer);
}

void setLockTimes(int waitMs, int staleMs)
{
    lockTimes() = {waitMs, staleMs};
}

bool append(const QString& name, const QString& log1, const QString& log2)
{
    letWritesFailPastSizeLimit();
    QLockFile lock(name + QStringLiteral(".lock"));
    if (!takeLock(lock))
        return false;
    return appendLocked(name, block(log1, log2).toUtf8());
}

} // namespace results
