#include "rows.h"

#include "ui/twips.h"

#include <cmath>

namespace graphs {

double kolomX(int i, double xschaal)
{
    return (i / 100.0 - 10) * xschaal;
}

double rij(float y, double yschaal)
{
    const double scaled = y / yschaal;
    // Values this far off the picture keep only their side; in single
    // precision the row would overflow.
    if (!(std::fabs(scaled) <= 1e30))
        return scaled > 0 ? -1e32 : 1e32;
    const float ys = static_cast<float>(scaled);
    return std::floor(1000.0f - 100.0f * ys + 0.5f);
}

bool opHetBeeld(double row)
{
    return row >= 0 && row <= beeld;
}

void berekenRijen(const CompiledFormula& formula, double xschaal, double yschaal, Rijen& rijen)
{
    for (int i = 0; i < kolommen; ++i)
        rijen[i] = rij(funktiewaarde(formula, kolomX(i, xschaal)), yschaal);
}

bool rijenKloppen(const Rijen& doelrijen, const Rijen& rijen)
{
    for (int i = 1; i < kolommen; ++i)
        if (std::fabs(doelrijen[i] - rijen[i]) > 2)
            return false;
    return true;
}

std::vector<std::pair<int, int>> stukken(const Rijen& rijen)
{
    std::vector<std::pair<int, int>> pieces;
    int first = -1;
    for (int i = 0; i <= kolommen; ++i) {
        const bool on = i < kolommen && opHetBeeld(rijen[i]);
        if (on && first < 0)
            first = i;
        if (!on && first >= 0) {
            pieces.emplace_back(first, i - 1);
            first = -1;
        }
    }
    return pieces;
}

QColor leerlingKleur(int kleur)
{
    const QColor c = ui::colour(kleur);
    if (kleur == 7)
        return c.darker(130); // lighter than dark grey (8), which stays apart
    return kleur == 14 ? c.darker(150) : c;
}

int volgendeKleur(int kleur)
{
    const int next = (kleur + 1) % 15;
    return next <= 1 ? 1 : next;
}

} // namespace graphs
