#pragma once
// The percentages form: price problems of five kinds, player 1 and player 2
// each with a kind of their own per problem number.

#include "exercises/common/runform.h"
#include "percproblem.h"

#include <array>

class PercentagesForm : public RunForm {
    Q_OBJECT
public:
    explicit PercentagesForm(const run::Session& session);

    // The problem in three lines, for each player.
    ui::Label* player1Line1;
    ui::Label* player1Line2;
    ui::Label* player1Line3;
    ui::Label* player2Line1;
    ui::Label* player2Line2;
    ui::Label* player2Line3;

    // The problem now waiting (player 2's replaces player 1's).
    percentages::Problem problem;

    // The three lines of a player.
    std::array<ui::Label*, 3> lines(int player) const;

protected:
    void startRun() override;
    void generate(int player) override;
    run::Verdict check(int player) override;
    void explain(int player) override;
    QString problemSentence(int player) const override;
};
