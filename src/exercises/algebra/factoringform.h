#pragma once
// The factoring form: the pupil types a problem as a product, or unchanged
// when it cannot be factored.

#include "algebraform.h"
#include "factoring.h"

class FactoringForm : public AlgebraForm {
    Q_OBJECT
public:
    explicit FactoringForm(const run::Session& session);

    // The problem of each player now on screen.
    const factoring::Problem& problem(int player) const { return problems_[player - 1]; }

protected:
    void generate(int player) override;
    run::Verdict check(int player) override;
    void explain(int player) override;
    void afterCheck(int player) override;

private:
    factoring::Problem problems_[2];
    bool better_ = false;
};
