#pragma once
// Reads every results file under a folder and its subfolders, on all cores.

#include "resultsreader.h"

#include <QFuture>
#include <QStringList>

namespace overview {

// One results file as the overview keeps track of it.
struct FileState {
    QString relativeName; // "klas2b/oefset2_1.txt"
    FileRead read;
};

// The results files under folder (names relative to it), sorted. Other files,
// lock files beside results files among them, are left out.
QStringList findResultsFiles(const QString& folder);

// Reads the files (relative names) in parallel; progress shows in the
// future's progress value, one step per file.
QFuture<FileState> readFiles(const QString& folder, const QStringList& relativeNames);

// Reads them and waits for the end.
QList<FileState> readFolder(const QString& folder);

} // namespace overview
