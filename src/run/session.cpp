#include "session.h"

#include "run/resultsfile.h"

namespace run {

namespace {
constexpr Oefening oefeningen[] = {
    {"hoeken", 0, 0},  {"procenten", 1, 0}, {"metriek", 2, 4},        {"sommen", 3, 0},
    {"haakjes", 4, 5}, {"ontbinden", 5, 4}, {"vergelijkingen", 6, 7}, {"grafieken", 7, 7},
};
} // namespace

const Oefening* zoekOefening(const QString& naam)
{
    for (const Oefening& o : oefeningen)
        if (naam == QLatin1String(o.naam))
            return &o;
    return nullptr;
}

bool Session::doorElkaar() const
{
    const Oefening* o = zoekOefening(oefening);
    return o && o->mengniveau != 0 && niveau == o->mengniveau;
}

QString Session::resultatenBestand() const
{
    const Oefening* o = zoekOefening(oefening);
    return o && o->optie != 0 ? results::fileName(o->optie, niveau) : QString();
}

} // namespace run
