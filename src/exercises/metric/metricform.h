#pragma once
// The metric form: converting lengths, areas and volumes. The reference
// member of the exercise run.

#include "exercises/common/runform.h"
#include "metricproblem.h"

class MetricForm : public RunForm {
    Q_OBJECT
public:
    explicit MetricForm(const run::Session& session);

    // Player 1's controls; player 2's carry a 2.
    ui::Label* numberLabel1;
    ui::Label* fromUnitLabel1;
    ui::Label* equalsLabel1;
    ui::Label* toUnitLabel1;
    ui::Label* numberLabel2;
    ui::Label* fromUnitLabel2;
    ui::Label* equalsLabel2;
    ui::Label* toUnitLabel2;

    // The problem now waiting (player 2's replaces player 1's).
    metric::Problem problem;

protected:
    void generate(int player) override;
    run::Verdict check(int player) override;
    void explain(int player) override;
    void startRun() override;
    QString problemSentence(int player) const override;
};
