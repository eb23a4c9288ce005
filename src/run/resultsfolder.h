#pragma once
// The folder that results files are written to and read from. Empty (the
// default) means the working directory, so names stay relative as before;
// start-up may set it once from the command line or the environment.

#include <QString>

namespace results {

void setFolder(const QString& folder);
QString folder();

// The path of a results file name in the folder.
QString inFolder(const QString& fileName);

} // namespace results
