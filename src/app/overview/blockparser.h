#pragma once
// Reads the blocks of a results file line by line. A block is one or two
// players' parts, each a header "naam: (date      time)", the answer lines
// and the end result ("eindresultaat: " right " goed van de " answered, or
// for the graphs points " punten uit " functions and "Dat is ... procent"),
// closed by a line of dashes. Blank lines between the parts are allowed;
// anything the reader does not know makes the block unreadable: it is never
// guessed at. When a block turns out unreadable, a later header in it may
// still start a whole block (the start of a torn block was left before it):
// each line is looked at once, so reading takes time in step with the file.

#include "answerlines.h"
#include "exercisenames.h"

#include <QByteArrayView>
#include <QList>
#include <QStringView>

namespace overview {

class BlockParser {
public:
    explicit BlockParser(FileKind kind, int firstBlock = 0);

    // One line of a block, as UTF-8 text without its line end.
    void line(QByteArrayView line);
    // The dashes line that closes a block.
    void blockEnd();

    QList<Record> records; // of the blocks read
    int blocks = 0;        // whole blocks found (read or skipped), firstBlock on
    int skipped = 0;       // whole blocks that could not be read

private:
    enum class State { Header, Answers, AfterEnd, Lost };
    void startPart(QByteArrayView header);
    void endPart(QByteArrayView line);
    void fail(QByteArrayView line);
    FileKind kind_;
    State state_ = State::Header;
    bool failed_ = false;      // a part of this block could not be read
    bool nonBlank_ = false;    // the block has text
    bool percentLine_ = false; // graphs: "Dat is ... procent" may come next
    QList<Record> found_;      // the parts of this block
    QByteArray headers_[2];    // their header lines
    AnswerLines answers_{0, nullptr};
};

// "naam: (6-12-2026      10:15)": the name and the date and time texts.
bool parseHeader(QByteArrayView line, QString& name, QString& date, QString& time);

// A date in day-month-year order (or year-month-day), separated by "-", "/"
// or ".", and a time "H:mm" or "H:mm:ss", with AM/PM when given.
QDateTime parseWhen(QStringView date, QStringView time);

} // namespace overview
