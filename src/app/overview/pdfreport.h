#pragma once
// The class report as a PDF: a first line with the folder and the date, then
// one section per pupil, each on a page of its own: the pupil's rows of the
// class table and the chart of the pupil's scores.

#include <QString>

namespace overview {

class ClassTable;

// Pupils in the order of the table; false when the file cannot be written.
bool writeReport(const QString& path, const ClassTable& table, const QString& title);

} // namespace overview
