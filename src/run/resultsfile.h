#pragma once
// Results files: one per exercise type and level, in the results folder.
// Each run appends one block in one write: verslag1, CR LF CR LF, verslag2,
// CR LF, 49 "-" and CR LF. Files are UTF-8 with CR LF line ends; the viewer
// also reads files in the single-byte Windows-1252 encoding.
//
// Many programs may append to one file at once (a shared network folder), and
// the disk may fill up part way: see append().

#include <QString>
#include <QStringList>

#include <functional>

class QFile;

namespace results {

// "oefset" + option + "_" + level + ".txt"; "oefset" + option + ".txt" for level 0,
// an exercise without levels.
// In the results folder when one was set at start-up (run/resultsfolder.h).
QString fileName(int option, int level);

QString block(const QString& log1, const QString& log2);

// A name or an answer as it goes into a results line: every control
// character (a pasted line break, a tab) becomes a blank, so each answer
// stays on one line of the file.
QString oneLine(const QString& text);

// Appends the block under a lock file beside the results file
// (fileName + ".lock"), so blocks of programs that append at once never mix.
// A file that does not end in a line end gets CR LF first. On any failure
// (disk full, file-size limit, no access, lock not free within seconds)
// returns false and leaves the file exactly as it was, byte for byte, unless
// another program appended to it meanwhile without the lock: then the file is
// left as it is, so that the other block stays whole. True only once the
// block is on the disk.
bool append(const QString& fileName, const QString& log1, const QString& log2);

// Test seam: writes the bytes to the open file and returns how many were
// written, or -1. An empty function restores the plain write.
using Writer = std::function<qint64(QFile& file, const QByteArray& bytes)>;
void setWriter(Writer writer);
// Test seam: how long append() waits for the lock and when a lock counts as
// left behind by a program that died (10000 and 5000 ms in the program).
void setLockTimes(int waitMs, int staleMs);

// The text of the box the pupils see when a block could not be saved.
QString notSavedText(const QString& fileName);

// Turns the bytes of a results file, piece by piece, into lines: a line ends
// at CR LF (a lone CR or LF, from files written elsewhere, ends one too), and
// each line is decoded as UTF-8 when it is valid UTF-8 and as Windows-1252
// otherwise.
class LineDecoder {
public:
    // The lines that the next piece of the file completes.
    QStringList feed(const QByteArray& piece);
    // The last line when the file does not end with a line end.
    QStringList finish();

private:
    QByteArray rest_;
};

// Reads a whole results file as lines (without their line ends). False when
// the file cannot be read.
bool readLines(const QString& fileName, QStringList& lines);

// The header line of a player's results text: name, date and time.
QString header(const QString& name);

} // namespace results
