#pragma once
// The brackets form: the pupil types a problem with its brackets worked
// away, as short as possible.

#include "algebraform.h"
#include "brackets.h"

class Haakjes : public AlgebraForm {
    Q_OBJECT
public:
    explicit Haakjes(const run::Session& session);

    // The problem of each player now on screen.
    const haakjes::Opgave& opgave(int speler) const { return opgave_[speler - 1]; }

protected:
    void maakopgave(int speler) override;
    run::Verdict beoordeel(int speler) override;
    void uitleg(int speler) override;

private:
    haakjes::Opgave opgave_[2];
};
