#pragma once
// The percentages form: price problems of five kinds, player 1 and player 2
// each with a kind of their own per problem number.

#include "app/runform.h"
#include "percproblem.h"

#include <array>

class Procenten : public RunForm {
    Q_OBJECT
public:
    Procenten();

    // The problem in three lines: player 1's end in l, player 2's in r.
    ui::Label* lRegel1l;
    ui::Label* lRegel2l;
    ui::Label* lRegel3l;
    ui::Label* lRegel1r;
    ui::Label* lRegel2r;
    ui::Label* lRegel3r;

    // The problem now waiting (player 2's replaces player 1's).
    percentages::Opgave opgave;

    // The three lines of a player.
    std::array<ui::Label*, 3> regels(int speler) const;

protected:
    void nieuweRun() override;
    void maakopgave(int speler) override;
    Oordeel beoordeel(int speler) override;
    void uitleg(int speler) override;
    QString opgaveZin(int speler) const override;
};
