#pragma once
// The program's information text: a general part about the runs and the
// results files, then one section per exercise type. The menu shows it in
// its text box tInfo; it is the pupils' manual.

#include <QString>
#include <QStringList>

namespace infotext {

// The lines of the text in order (234 of them), without the title and
// without the empty lines that close the paragraphs.
QStringList lines();

// The whole text as the box shows it: an empty line, the title, an empty
// line, then every line followed by CR LF, with an extra CR LF after each
// line that closes a paragraph.
QString text();

} // namespace infotext
