#pragma once
// The sums form: twenty problems with signed numbers per run, made up by the
// generator and laid out on each player's row of five labels.

#include "exercises/common/runform.h"
#include "exercises/sums/check.h"
#include "exercises/sums/problem.h"

#include <array>

class SumsForm : public RunForm {
    Q_OBJECT
public:
    explicit SumsForm(const run::Session& session);

    // The problem rows: first number, operator, second number (or the rest
    // of a three-term problem), " = ", the result when it is given.
    std::array<ui::Label*, 5> problemRow1;
    std::array<ui::Label*, 5> problemRow2;

    // The problem now waiting (player 2's replaces player 1's).
    sums::Problem problem;

protected:
    void startRun() override;
    void generate(int player) override;
    run::Verdict check(int player) override;
    void explain(int player) override;
    QString problemSentence(int player) const override;

private:
    std::array<ui::Label*, 5>& problemRow(int player)
    {
        return player == 1 ? problemRow1 : problemRow2;
    }
    void showProblem(int player);
    static QString fittedHistory(const run::Verdict& v, const ui::PictureBox* area);
};
