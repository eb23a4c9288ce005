#include "session.h"

#include "run/resultsfile.h"

namespace run {

bool Session::mixed() const
{
    return mixedLevel != 0 && level == mixedLevel;
}

QString Session::resultsFile() const
{
    return resultsNumber != 0 ? results::fileName(resultsNumber, level) : QString();
}

} // namespace run
