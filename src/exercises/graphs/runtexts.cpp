#include "runtexts.h"

#include "common/numbertext.h"

#include <cmath>

namespace graphs {

using common::Str;

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

int procent(const Speler& s)
{
    return int(std::floor(10.0 * s.punten / s.gehad));
}

QString spelerBlok(const Speler& s)
{
    QString t = s.naam + ":" + CR + "Je hebt " + Str(s.gehad) + " functies gehad." + CR +
                "Je hebt " + Str(s.punten) + " punten gehaald." + CR;
    if (s.gehad > 0)
        t += "Dat is " + Str(procent(s)) + " procent!";
    return t + CR + QString(45, QLatin1Char('_'));
}

} // namespace

int puntenVoorPoging(int poging)
{
    static const int punten[] = {10, 5, 3, 1};
    return poging >= 0 && poging < 4 ? punten[poging] : 0;
}

QString scoreTekst(const Speler& een, const Speler* twee)
{
    QString t = een.naam + ": " + Str(een.punten) + " punten uit " + Str(een.gehad) + CR;
    if (twee)
        t += twee->naam + ":" + Str(twee->punten) + " punten uit " + Str(twee->gehad);
    return t;
}

QString samenvatting(const Speler& een, const Speler* twee)
{
    QString t = spelerBlok(een);
    if (!twee)
        return t;
    t += CR + CR + spelerBlok(*twee) + CR + CR;
    if (een.punten > twee->punten)
        t += een.naam + " heeft gewonnen !";
    else if (twee->punten > een.punten)
        t += twee->naam + " heeft gewonnen !";
    else
        t += QStringLiteral("Jullie zijn gelijk geeindigd !");
    return t;
}

QString eindresultaat(const Speler& s)
{
    QString t = CRLF + CRLF + "eindresultaat: " + Str(s.punten) + " punten uit " + Str(s.gehad);
    if (s.gehad > 0)
        t += CRLF + "Dat is " + Str(procent(s)) + " procent";
    return t;
}

} // namespace graphs
