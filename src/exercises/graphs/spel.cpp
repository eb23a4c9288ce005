#include "spel.h"

#include "common/numbertext.h"
#include "exercises/catalogue.h"
#include "run/resultsfile.h"
#include "runtexts.h"

namespace graphs {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

int functionsPerRun()
{
    return catalogue::find(u"grafieken")->problemsPerRun;
}

Spel::Spel(const run::Session& session)
    : tweeSpelers(session.tweeSpelers()), doorElkaar(session.doorElkaar())
{
    for (int i = 0; i < 2; ++i)
        spelers[i].naam = session.namen[i];
    spelers[0].verslag = results::header(session.naam(1));
    if (tweeSpelers)
        spelers[1].verslag = results::header(session.naam(2));
}

void Spel::speel(const Functie& f)
{
    doelformule = f.formule;
    soort = f.soort;
    vorigeInvoer.clear();
    goedBeantwoord = false;
}

bool Spel::invoer(const QString& formule, const QString& begin)
{
    if (goedBeantwoord || formule.trimmed().isEmpty() || formule == vorigeInvoer)
        return false; // the same answer twice in a row counts once
    vorigeInvoer = formule;
    QString& verslag = aanDeBeurt().verslag;
    if (poging == 0) {
        ++aanDeBeurt().count;
        verslag += CRLF + QStringLiteral("functie: ") + begin + doelformule + CRLF +
                   QStringLiteral("invoer:") + results::oneLine(formule);
    } else {
        verslag += CRLF + QStringLiteral("       ") + results::oneLine(formule);
    }
    return true;
}

void Spel::beoordeeld(bool goed)
{
    klopt = goed;
    goedBeantwoord = goed;
    if (!goed)
        return;
    puntenNu = std::int16_t(puntenNu + puntenVoorPoging(poging));
    aanDeBeurt().score += puntenNu;
    aanDeBeurt().verslag += QStringLiteral("   ") + common::Str(puntenNu) + QStringLiteral(" pt.");
}

void Spel::nogEens()
{
    if (!klopt)
        ++poging;
}

void Spel::antwoordGetoond()
{
    klopt = true;
    vorigeInvoer.clear();
    goedBeantwoord = true;
    poging = 0;
}

bool Spel::volgende()
{
    poging = 0;
    puntenNu = 0;
    if (volgendeSpeler() == 2) {
        beurt = 2;
        return true;
    }
    beurt = 1;
    return ++functieNr <= aantalFuncties;
}

} // namespace graphs
