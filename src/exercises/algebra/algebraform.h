#pragma once
// What the brackets and the factoring forms share on screen: per player the
// instruction, the problem and "Antw:" before a wide answer box, and a hint
// on the picture area about typing powers. A typed answer that is the same
// function as the problem comes back into the box normalised (6x²+15x).

#include "answer.h"
#include "exercises/common/runform.h"

class AlgebraForm : public RunForm {
    Q_OBJECT
public:
    AlgebraForm(const Member& member, const run::Session& session, const QString& opdracht);

    ui::Label* lFormule1;
    ui::Label* lFormule2;
    ui::Label* Label1; // "Antw:"
    ui::Label* Label2;
    ui::Label* Label5; // the instruction
    ui::Label* Label6;

    ui::Label* lFormule(int speler) const { return speler == 1 ? lFormule1 : lFormule2; }

protected:
    void nieuweRun() override;
    QString opgaveZin(int speler) const override;
    // Shows a new problem on the player's side.
    void toonOpgave(int speler, const QString& tekst);
    // The verdict for the framework, after writing the answer as it now
    // reads back into the player's box.
    run::Verdict oordeel(int speler, bool goed, const QString& antwoord, const QString& tekst,
                         const QString& antw);
    // The text broken into lines that fit the player's picture area (the
    // history lines of long problems are wider than a half of the form).
    QString passend(int speler, const QString& tekst) const;
};
