#pragma once
// The brackets form: the pupil types a problem with its brackets worked
// away, as short as possible.

#include "algebraform.h"
#include "brackets.h"

class BracketsForm : public AlgebraForm {
    Q_OBJECT
public:
    explicit BracketsForm(const run::Session& session);

    // The problem of each player now on screen.
    const brackets::Problem& problem(int player) const { return problems_[player - 1]; }

protected:
    void generate(int player) override;
    run::Verdict check(int player) override;
    void explain(int player) override;

private:
    brackets::Problem problems_[2];
};
