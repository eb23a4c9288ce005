#include "metriccheck.h"

#include "common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace metric {

bool isGoed(double uitkomst, double v)
{
    return std::fabs(uitkomst - v) < 1e-12 * std::max(1.0, std::fabs(uitkomst));
}

Beoordeling beoordeel(const Opgave& opgave, const QString& getypt)
{
    const QString t = common::commaToPoint(getypt);
    const QString vraag = opgave.getal + QLatin1Char(' ') + opgave.vanEenheid +
                          QStringLiteral(" = ") + t + QLatin1Char(' ') + opgave.naarEenheid;
    const QString antwoord = opgave.juist + QLatin1Char(' ') + opgave.naarEenheid;

    Beoordeling b;
    b.goed = isGoed(opgave.uitkomst, common::Val(t));
    if (b.goed) {
        b.geschiedenis = vraag + QStringLiteral("   Goed");
        b.verslagregel = b.geschiedenis;
    } else {
        b.terugmelding = QStringLiteral("nee, het is ") + opgave.juist;
        b.geschiedenis = vraag + QChar(13) + QStringLiteral(" Fout ,het is ") + antwoord;
        b.verslagregel = vraag + QStringLiteral("       Fout ,het is ") + antwoord;
    }
    return b;
}

} // namespace metric
