#pragma once
// The menu's choices: what the pupils picked and typed, kept while the
// program runs. The menu writes them on OK; each exercise form is handed
// them as its session when it is made, and no run writes them back.

#include "run/session.h"

#include <QString>
#include <cstdint>

struct Module1 {
    int aantalSpelers = 1;
    std::int16_t niveau = 1;
    QString naam1;
    QString naam2;
    QString keuzeTitel;
    QString oefening; // form name of the chosen exercise

    // The session of a run opened now.
    run::Session session() const;
};

// The one instance.
Module1& module1();
