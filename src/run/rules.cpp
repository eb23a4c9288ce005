#include "rules.h"

#include "common/numbertext.h"

namespace run {

using common::Str;

namespace {
const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

QString blok(const Player& p)
{
    return p.naam + QStringLiteral(":") + CR + QStringLiteral("Je had er ") + Str(p.score) +
           QStringLiteral(" goed van de ") + Str(p.count) + QStringLiteral(" in ") +
           Str(common::roundHalfEven(p.time, 2)) + QStringLiteral(" sec.") + CR +
           QString(45, QLatin1Char('_'));
}
} // namespace

int winnaar(const Player& een, const Player& twee)
{
    if (een.score > twee.score ||
        (een.score == twee.score && een.time < twee.time && een.score > 0))
        return 1;
    return twee.score > 0 ? 2 : 0;
}

int winnaarOpPunten(const Player& een, const Player& twee)
{
    if (een.score == twee.score)
        return 0;
    return een.score > twee.score ? 1 : 2;
}

QString samenvatting(const Players& spelers, bool tweeSpelers)
{
    QString s = blok(spelers[0]);
    if (!tweeSpelers)
        return s;
    s += CR + CR + blok(spelers[1]) + CR + CR;
    if (const int w = winnaar(spelers[0], spelers[1]))
        s += QStringLiteral(" ") + spelers[w - 1].naam + QStringLiteral(" heeft gewonnen !");
    return s;
}

QString eindresultaat(const Player& speler)
{
    return CRLF + CRLF + QStringLiteral("eindresultaat: ") + Str(speler.score) +
           QStringLiteral(" goed van de ") + Str(speler.count);
}

} // namespace run
