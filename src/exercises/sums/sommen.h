#pragma once
// The sums form: twenty problems with signed numbers per run, made up by the
// generator and laid out on each player's row of five labels.

#include "exercises/common/runform.h"
#include "exercises/sums/check.h"
#include "exercises/sums/problem.h"

#include <array>

class Sommen : public RunForm {
    Q_OBJECT
public:
    explicit Sommen(const run::Session& session);

    // The problem rows: first number, operator, second number (or the rest
    // of a three-term problem), " = ", the result when it is given.
    std::array<ui::Label*, 5> lSom1;
    std::array<ui::Label*, 5> lSom2;

    // The problem now waiting (player 2's replaces player 1's).
    sums::Problem opgave;

protected:
    void nieuweRun() override;
    void maakopgave(int speler) override;
    run::Verdict beoordeel(int speler) override;
    void uitleg(int speler) override;
    QString opgaveZin(int speler) const override;

private:
    std::array<ui::Label*, 5>& lSom(int speler) { return speler == 1 ? lSom1 : lSom2; }
    void toonOpgave(int speler);
    static QString passend(const run::Verdict& v, const ui::PictureBox* area);
};
