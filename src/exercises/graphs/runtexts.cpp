#include "runtexts.h"

#include "common/numbertext.h"
#include "run/rules.h"

#include <cmath>

namespace graphs {

using common::Str;

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

int procent(const Player& s)
{
    return int(std::floor(10.0 * s.score / s.count));
}

QString spelerBlok(const Player& s)
{
    QString t = s.naam + ":" + CR + "Je hebt " + Str(s.count) + " functies gehad." + CR +
                "Je hebt " + Str(s.score) + " punten gehaald." + CR;
    if (s.count > 0)
        t += "Dat is " + Str(procent(s)) + " procent!";
    return t + CR + QString(45, QLatin1Char('_'));
}

} // namespace

int puntenVoorPoging(int poging)
{
    static const int punten[] = {10, 5, 3, 1};
    return poging >= 0 && poging < 4 ? punten[poging] : 0;
}

QString scoreTekst(const Player& een, const Player* twee)
{
    QString t = een.naam + ": " + Str(een.score) + " punten uit " + Str(een.count) + CR;
    if (twee)
        t += twee->naam + ":" + Str(twee->score) + " punten uit " + Str(twee->count);
    return t;
}

QString samenvatting(const Player& een, const Player* twee)
{
    QString t = spelerBlok(een);
    if (!twee)
        return t;
    t += CR + CR + spelerBlok(*twee) + CR + CR;
    if (const int w = run::winnaarOpPunten(een, *twee))
        t += (w == 1 ? een : *twee).naam + " heeft gewonnen !";
    else
        t += QStringLiteral("Jullie zijn gelijk geeindigd !");
    return t;
}

QString eindresultaat(const Player& s)
{
    QString t = CRLF + CRLF + "eindresultaat: " + Str(s.score) + " punten uit " + Str(s.count);
    if (s.count > 0)
        t += CRLF + "Dat is " + Str(procent(s)) + " procent";
    return t;
}

} // namespace graphs
