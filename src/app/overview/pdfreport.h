#pragma once
// The class report as a PDF: a first line with the folder and the date, then
// one section per pupil, each on a page of its own: the pupil's rows of the
// class table, the advice what to practise next and the chart of the
// pupil's scores.

#include <QString>

namespace overview {

class ClassTable;
struct Mastery;

// Pupils in the order of the table; false when the file cannot be written.
bool writeReport(const QString& path, const ClassTable& table, const Mastery& mastery,
                 const QString& title);

} // namespace overview
