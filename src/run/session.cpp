#include "session.h"

#include "run/resultsfile.h"

namespace run {

bool Session::doorElkaar() const
{
    return mixedLevel != 0 && niveau == mixedLevel;
}

QString Session::resultatenBestand() const
{
    return resultsNumber != 0 ? results::fileName(resultsNumber, niveau) : QString();
}

} // namespace run
