#include "rules.h"

#include "common/numbertext.h"

namespace run {

using common::Str;

namespace {
const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

QString block(const Player& p)
{
    return p.name + QStringLiteral(":") + CR + QStringLiteral("Je had er ") + Str(p.score) +
           QStringLiteral(" goed van de ") + Str(p.answered) + QStringLiteral(" in ") +
           Str(common::roundHalfEven(p.seconds, 2)) + QStringLiteral(" sec.") + CR +
           QString(45, QLatin1Char('_'));
}
} // namespace

int winner(const Player& one, const Player& two)
{
    if (one.score > two.score ||
        (one.score == two.score && one.seconds < two.seconds && one.score > 0))
        return 1;
    return two.score > 0 ? 2 : 0;
}

int winnerOnPoints(const Player& one, const Player& two)
{
    if (one.score == two.score)
        return 0;
    return one.score > two.score ? 1 : 2;
}

QString summary(const Players& players, bool twoPlayers)
{
    QString s = block(players[0]);
    if (!twoPlayers)
        return s;
    s += CR + CR + block(players[1]) + CR + CR;
    if (const int w = winner(players[0], players[1]))
        s += QStringLiteral(" ") + players[w - 1].name + QStringLiteral(" heeft gewonnen !");
    return s;
}

QString endResult(const Player& player)
{
    return CRLF + CRLF + QStringLiteral("eindresultaat: ") + Str(player.score) +
           QStringLiteral(" goed van de ") + Str(player.answered);
}

} // namespace run
