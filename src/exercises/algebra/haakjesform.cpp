#include "haakjesform.h"

#include "app/module1.h"
#include "common/random.h"
#include "ui/messagebox.h"

Haakjes::Haakjes()
    : AlgebraForm(member(QStringLiteral("haakjes")),
                  QStringLiteral(" Werk de haakjes weg en schrijf      het antwoord zo kort "
                                 "mogelijk "))
{
}

void Haakjes::maakopgave(int speler)
{
    opgave_[speler - 1] = haakjes::maakformule(module1().niveau, opgaveNr, common::random());
    toonOpgave(speler, opgave(speler).tekst);
}

RunForm::Oordeel Haakjes::beoordeel(int speler)
{
    const haakjes::Opgave& o = opgave(speler);
    const haakjes::Oordeel u = haakjes::beoordeel(o, tAntwoord(speler)->text());
    return oordeel(speler, u.goed, u.antwoord, o.tekst, o.antw);
}

void Haakjes::uitleg(int speler)
{
    ui::messageBox(haakjes::uitlegTitel, haakjes::uitleg(opgave(speler)));
}
