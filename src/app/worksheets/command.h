#pragma once
// telkompas --werkblad OEFENING NIVEAU [--aantal N] [--versies V] [--blad NUMMER]
//                      [--sleutel-apart] -o BESTAND.pdf
// A worksheet from the command line. The pupils' program hands the line to
// the overview program, which alone carries the worksheets.

#include <QStringList>

namespace worksheets {

// Writes the worksheet the arguments ask for; the exit status: 0 done, 2
// with a message on standard error when the line or the file is wrong.
int runCommand(const QStringList& arguments);

} // namespace worksheets
