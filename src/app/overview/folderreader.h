#pragma once
// Reads every results file under a folder and its subfolders, on all cores.
// A read can be stopped: it ends between two files, or between two pieces
// of a large file, and what it read is then of no use.

#include "resultsreader.h"

#include <QFuture>
#include <QStringList>
#include <atomic>
#include <memory>

namespace overview {

// Set to true to stop the reads that were handed it.
using StopFlag = std::shared_ptr<std::atomic_bool>;
StopFlag newStopFlag();

// One results file as the overview keeps track of it.
struct FileState {
    QString relativeName; // "klas2b/oefset2_1.txt"
    FileRead read;
};

// The results files under folder (names relative to it), sorted. Other files,
// lock files beside results files among them, are left out.
QStringList findResultsFiles(const QString& folder);

// Reads a results file from byte offset from as readResultsFile does, a few
// megabytes at a time, looking at stop in between (failed when stopped).
FileRead readFileInPieces(const QString& path, const QString& relativeName, qint64 from = 0,
                          int firstBlock = 0, const StopFlag& stop = {});

// Reads the files (relative names) in parallel; progress shows in the
// future's progress value, one step per file. Cancelling the future stops
// it between files; setting stop stops the files being read too.
QFuture<FileState> readFiles(const QString& folder, const QStringList& relativeNames,
                             const StopFlag& stop = {});

// Reads them and waits for the end.
QList<FileState> readFolder(const QString& folder);

} // namespace overview
