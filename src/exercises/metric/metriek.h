#pragma once
// The metric form: converting lengths, areas and volumes. The reference
// member of the exercise run.

#include "app/runform.h"
#include "metricproblem.h"

class Metriek : public RunForm {
    Q_OBJECT
public:
    Metriek();

    // Player 1's controls; player 2's carry a 2.
    ui::Label* lGetal1;
    ui::Label* lmetriek1boven;
    ui::Label* Label1;
    ui::Label* lmetriek1onder;
    ui::Label* lGetal2;
    ui::Label* lmetriek2boven;
    ui::Label* Label2;
    ui::Label* lmetriek2onder;

    // The problem now waiting (player 2's replaces player 1's).
    metric::Opgave opgave;

protected:
    void maakopgave(int speler) override;
    Oordeel beoordeel(int speler) override;
    void uitleg(int speler) override;
    void nieuweRun() override;
    QString opgaveZin(int speler) const override;
};
