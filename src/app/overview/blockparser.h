#pragma once
// Reads one block of a results file: one or two players' parts, each a
// header "naam: (date      time)", the answer lines and the end result
// ("eindresultaat: " right " goed van de " answered, or for the graphs
// points " punten uit " functions and "Dat is ... procent"). The dashes line
// that closes a block is not part of the lines given. Blank lines between
// the parts are allowed; anything the reader does not know makes the block
// unreadable: it is never guessed at.

#include "record.h"

#include <QList>
#include <QStringView>

namespace overview {

// True when the lines hold one or two whole players' parts; they are added
// to out with their name, date, score, count and answers.
bool parseBlock(const QList<QStringView>& lines, bool graphs, QList<Record>& out);

// "naam: (6-12-2026      10:15)": the name and the date and time texts.
bool parseHeader(QStringView line, QString& name, QString& date, QString& time);

// A date in day-month-year order (or year-month-day), separated by "-", "/"
// or ".", and a time "H:mm" or "H:mm:ss", with AM/PM when given.
QDateTime parseWhen(QStringView date, QStringView time);

} // namespace overview
