#include "factoringform.h"

#include "common/random.h"
#include "ui/messagebox.h"

Ontbinden::Ontbinden(const run::Session& session)
    : AlgebraForm(member(QStringLiteral("ontbinden")), session, QStringLiteral("Ontbind:"))
{
}

void Ontbinden::maakopgave(int speler)
{
    opgave_[speler - 1] = ontbinden::maakformule(niveau(), opgaveNr(), common::random());
    toonOpgave(speler, opgave(speler).tekst);
}

run::Verdict Ontbinden::beoordeel(int speler)
{
    const ontbinden::Opgave& o = opgave(speler);
    const ontbinden::Nagekeken u = ontbinden::beoordeel(o, tAntwoord(speler)->text());
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
    schrijf(speler, ontbinden::beterRegel(o));
}
