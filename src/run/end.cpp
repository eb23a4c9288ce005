#include "end.h"

#include "run/resultsfile.h"

namespace run {

bool RunEnd::begin()
{
    if (closed_)
        return false;
    closed_ = true;
    return true;
}

SaveResult saveResults(const Session& session, const Players& players)
{
    SaveResult result;
    result.fileName = session.resultsFile();
    if (!result.fileName.isEmpty())
        result.saved = results::append(result.fileName, players[0].log, players[1].log);
    return result;
}

} // namespace run
