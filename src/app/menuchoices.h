#pragma once
// The menu's choices: what the pupils picked and typed, kept while the
// program runs. The menu writes them on OK; each exercise form is handed
// them as its session when it is made, and no run writes them back.

#include "run/session.h"

#include <QString>
#include <cstdint>

struct MenuChoices {
    int playerCount = 1;
    std::int16_t level = 1;
    QString name1;
    QString name2;
    QString choiceCaption;
    QString exercise; // form name of the chosen exercise

    // The session of a run opened now.
    run::Session session() const;
};

// The one instance.
MenuChoices& menuChoices();
