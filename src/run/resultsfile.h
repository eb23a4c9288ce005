#pragma once
// Results files: one per exercise type and level, in the results folder.
// Each run appends one block in one write: verslag1, CR LF CR LF, verslag2,
// CR LF, 49 "-" and CR LF. Files are UTF-8 with CR LF line ends; the viewer
// also reads the single-byte files of the earlier Windows program.

#include <QString>
#include <QStringList>

namespace results {

// "oefset" + option + "_" + level + ".txt"; option 1 (percentages) has no level.
// In the results folder when one was set at start-up (run/resultsfolder.h).
QString fileName(int option, int level);

QString block(const QString& verslag1, const QString& verslag2);

// Appends the block. On failure returns false and leaves earlier blocks in
// the file untouched.
bool append(const QString& fileName, const QString& verslag1, const QString& verslag2);

// The shared failure message shown when a block could not be saved.
void reportNotSaved(const QString& fileName);

// Reads a results file as lines (without their CR LF). Each line is decoded
// as UTF-8 when valid and as Windows-1252 otherwise. False when the file
// cannot be read.
bool readLines(const QString& fileName, QStringList& lines);

// The header line of a player's results text: name, date and time.
QString header(const QString& naam);

} // namespace results
