#include "einde.h"

#include "run/resultsfile.h"

namespace run {

bool Einde::begin()
{
    if (afgesloten_)
        return false;
    afgesloten_ = true;
    return true;
}

SaveResult saveResults(const Session& session, const Players& players)
{
    SaveResult result;
    result.fileName = session.resultatenBestand();
    if (!result.fileName.isEmpty())
        result.saved = results::append(result.fileName, players[0].verslag, players[1].verslag);
    return result;
}

} // namespace run
