#pragma once
// The table as a CSV file that a Dutch spreadsheet opens directly: UTF-8 with
// a byte-order mark, fields separated by ";", numbers with a decimal comma,
// lines ending in CR LF, and fields quoted as RFC 4180 says.

#include <QByteArray>

class QAbstractItemModel;

namespace overview {

// Every row and column of the model as shown, the header first.
QByteArray csvOf(const QAbstractItemModel& model);

// One field, quoted when it holds ";", a quote or a line break. A field that
// a spreadsheet would take for a formula (starting "=", "+", "-", "@", a tab
// or a carriage return) gets a leading apostrophe, whichever column it is
// in; a plain number ("-3", "66,7") stays a number.
QString csvField(const QString& text);

} // namespace overview
