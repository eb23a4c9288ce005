#pragma once
// Reads the blocks of one results file. Only whole blocks (closed by their
// dashes line) are read; what follows the last one is a block still being
// written, or a torn one, and is read again when the file grows. Each line is
// decoded as UTF-8 when valid and as Windows-1252 otherwise, so single-byte
// files read right; lines may end in CR LF or LF. The file is only read:
// never written, moved or locked.

#include "exercisenames.h"
#include "record.h"

#include <QByteArrayView>

namespace overview {

struct FileRead {
    QList<Record> records;
    int blocks = 0;        // whole blocks found (read or skipped)
    int skipped = 0;       // whole blocks that could not be read
    bool tornTail = false; // text after the last whole block
    qint64 end = 0;        // byte offset just after the last whole block
    bool failed = false;   // the file could not be read
};

// Reads bytes that start at a block boundary; block numbers count on from
// firstBlock and end is relative to the bytes given.
FileRead readBlocks(QByteArrayView bytes, FileKind kind, int firstBlock = 0);

// Reads a file from byte offset from (a block boundary found earlier). The
// records name the file by relativeName; end is an offset in the file.
FileRead readResultsFile(const QString& path, const QString& relativeName, qint64 from = 0,
                         int firstBlock = 0);

// Decodes bytes line by line: UTF-8 where valid, Windows-1252 elsewhere.
QString decodeText(QByteArrayView bytes);

} // namespace overview
