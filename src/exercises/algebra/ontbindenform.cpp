#include "ontbindenform.h"

#include "app/module1.h"
#include "common/random.h"
#include "ui/messagebox.h"

Ontbinden::Ontbinden()
    : AlgebraForm(member(QStringLiteral("ontbinden")), QStringLiteral("Ontbind:"))
{
}

void Ontbinden::maakopgave(int speler)
{
    opgave_[speler - 1] = ontbinden::maakformule(module1().niveau, opgaveNr, common::random());
    toonOpgave(speler, opgave(speler).tekst);
}

RunForm::Oordeel Ontbinden::beoordeel(int speler)
{
    const ontbinden::Opgave& o = opgave(speler);
    const ontbinden::Oordeel u = ontbinden::beoordeel(o, tAntwoord(speler)->text());
    beterIs_ = u.beterIs;
    return oordeel(speler, u.goed, u.antwoord, o.tekst, o.antw);
}

void Ontbinden::uitleg(int speler)
{
    const ontbinden::Opgave& o = opgave(speler);
    ui::messageBox(ontbinden::uitlegTitel(o), ontbinden::uitleg(o));
}

void Ontbinden::naBeoordeling(int speler)
{
    if (!beterIs_)
        return;
    // Right, but the minus belonged in front of the brackets.
    const ontbinden::Opgave& o = opgave(speler);
    ui::messageBox(ontbinden::beterTitel, ontbinden::beterMelding(o));
    picture(speler)->print(passend(speler, ontbinden::beterRegel(o)));
    (speler == 1 ? verslag1 : verslag2) += QStringLiteral("\r\n") + ontbinden::beterRegel(o);
}
