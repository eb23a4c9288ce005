#include "metriccheck.h"

#include "common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace metric {

bool isGoed(double uitkomst, double v)
{
    return std::fabs(uitkomst - v) < 1e-12 * std::max(1.0, std::fabs(uitkomst));
}

run::Verdict beoordeel(const Opgave& opgave, const QString& getypt)
{
    const QString t = common::commaToPoint(getypt);
    const QString vraag = opgave.getal + QLatin1Char(' ') + opgave.vanEenheid +
                          QStringLiteral(" = ") + t + QLatin1Char(' ') + opgave.naarEenheid;
    const QString antwoord = opgave.juist + QLatin1Char(' ') + opgave.naarEenheid;

    run::Verdict b;
    b.goed = isGoed(opgave.uitkomst, common::Val(t));
    if (b.goed) {
        b.historie = vraag + QStringLiteral("   Goed");
        b.verslag = {b.historie};
    } else {
        b.fout = QStringLiteral("nee, het is ") + opgave.juist;
        b.historie = vraag + QChar(13) + QStringLiteral(" Fout ,het is ") + antwoord;
        b.verslag = {vraag + QStringLiteral("       Fout ,het is ") + antwoord};
    }
    return b;
}

} // namespace metric
