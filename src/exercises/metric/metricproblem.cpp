#include "metricproblem.h"

#include "common/numbertext.h"
#include "metricunits.h"

#include <cmath>

namespace metric {

namespace {

// Accepts only pairs that a pupil can learn from: different sizes, and for
// areas and volumes no pair of are/ha/ca or of liter/cl/ml/cc with a big unit.
bool paarPast(const Opgave& o)
{
    switch (o.niveau) {
    case oppervlaktes:
        return o.macht1 != o.macht2 && o.van + o.naar < 16;
    case inhouden:
        return o.macht1 != o.macht2 && o.van + o.naar < 10;
    default:
        return o.van != o.naar;
    }
}

bool antwoordPast(double uitkomst)
{
    const QString s = common::Str(uitkomst);
    return s.size() < 10 && !s.contains(QLatin1Char('E'));
}

} // namespace

QString getaltekst(double x)
{
    QString s = common::Str(x);
    if (s.size() > 1 && s.at(1) == QLatin1Char('.'))
        s[0] = QLatin1Char('0');
    return s;
}

Opgave maakopgave(int niveau, common::Random& random)
{
    Opgave o;
    o.niveau = niveau == oppervlaktes || niveau == inhouden ? niveau : lengtes;
    const int n = aantalEenheden(o.niveau);
    const int k = stapMacht(o.niveau);
    double a = 0;
    do {
        o.van = random.draw(n, 1);
        o.naar = random.draw(n, 1);
        const int g = random.draw(1000, 1);
        const int e = random.draw(6, 0);
        a = g / std::pow(10.0, e);
        o.macht1 = macht(o.niveau, o.van);
        o.macht2 = macht(o.niveau, o.naar);
        o.uitkomst = a * std::pow(10.0, k * (o.macht1 - o.macht2));
        if (isCentiliter(o.niveau, o.van))
            o.uitkomst /= 100;
        if (isCentiliter(o.niveau, o.naar))
            o.uitkomst *= 100;
    } while (!paarPast(o) || !antwoordPast(o.uitkomst));

    o.getal = getaltekst(a);
    o.juist = getaltekst(o.uitkomst);
    o.vanEenheid = eenheid(o.niveau, o.van);
    o.naarEenheid = eenheid(o.niveau, o.naar);
    return o;
}

QString uitgesproken(const Opgave& o)
{
    return o.getal.trimmed() + QStringLiteral(" ") + o.vanEenheid + QStringLiteral(" = … ") +
           o.naarEenheid;
}

} // namespace metric
