#pragma once
// The factoring form: the pupil types a problem as a product, or unchanged
// when it cannot be factored.

#include "algebraform.h"
#include "factoring.h"

class Ontbinden : public AlgebraForm {
    Q_OBJECT
public:
    explicit Ontbinden(const run::Session& session);

    // The problem of each player now on screen.
    const ontbinden::Opgave& opgave(int speler) const { return opgave_[speler - 1]; }

protected:
    void maakopgave(int speler) override;
    run::Verdict beoordeel(int speler) override;
    void uitleg(int speler) override;
    void naBeoordeling(int speler) override;

private:
    ontbinden::Opgave opgave_[2];
    bool beterIs_ = false;
};
