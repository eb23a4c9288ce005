#include "bracketsform.h"

#include "common/random.h"
#include "ui/messagebox.h"

Haakjes::Haakjes(const run::Session& session)
    : AlgebraForm(member(QStringLiteral("haakjes")), session,
                  QStringLiteral(" Werk de haakjes weg en schrijf      het antwoord zo kort "
                                 "mogelijk "))
{
}

void Haakjes::maakopgave(int speler)
{
    opgave_[speler - 1] = haakjes::maakformule(niveau(), opgaveNr(), common::random());
    toonOpgave(speler, opgave(speler).tekst);
}

run::Verdict Haakjes::beoordeel(int speler)
{
    const haakjes::Opgave& o = opgave(speler);
    const haakjes::Nagekeken u = haakjes::beoordeel(o, tAntwoord(speler)->text());
    return oordeel(speler, u.goed, u.antwoord, o.tekst, o.antw);
}

void Haakjes::uitleg(int speler)
{
    ui::messageBox(haakjes::uitlegTitel, haakjes::uitleg(opgave(speler)));
}
