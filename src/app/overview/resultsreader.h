#pragma once
// Reads the blocks of one results file. Only whole blocks (closed by their
// dashes line and its line end) are read; what follows the last one is a
// block still being written, or a torn one, and is read again when the file
// grows. Each line is decoded on its own: as UTF-8 when valid and as
// Windows-1252 otherwise, so single-byte files read right; lines may end in
// CR LF or LF. Reading a file whole or in steps as it grows gives the same
// blocks. The file is only read: never written, moved or locked, and never
// held in memory whole.

#include "blockparser.h"

#include <QByteArray>
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

// Reads bytes that start at a block boundary, piece by piece.
class ResultsStream {
public:
    // Block numbers count on from firstBlock.
    explicit ResultsStream(FileKind kind, int firstBlock = 0)
        : parser_(kind, firstBlock), firstBlock_(firstBlock)
    {
    }
    void feed(QByteArrayView piece);
    // The blocks read; end is relative to the bytes fed.
    FileRead finish();

private:
    void wholeLine(QByteArrayView line, qint64 lineEnd);
    BlockParser parser_;
    int firstBlock_;
    QByteArray rest_;    // a line not ended yet
    QByteArray decoded_; // a single-byte line as UTF-8
    qint64 fed_ = 0;     // bytes fed
    qint64 end_ = 0;     // just after the last dashes line
    bool tail_ = false;  // text after it
};

// Reads bytes that start at a block boundary; block numbers count on from
// firstBlock and end is relative to the bytes given.
FileRead readBlocks(QByteArrayView bytes, FileKind kind, int firstBlock = 0);

// Reads a file from byte offset from (a block boundary found earlier). The
// records name the file by relativeName; end is an offset in the file.
FileRead readResultsFile(const QString& path, const QString& relativeName, qint64 from = 0,
                         int firstBlock = 0);

} // namespace overview
