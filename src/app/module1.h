#pragma once
// The program-wide shared state: the only data that passes between forms.
// The menu writes it on OK; exercise forms with a mixed level change niveau
// while they run.

#include <QString>
#include <cstdint>

struct Module1 {
    int aantalSpelers = 1;
    std::int16_t niveau = 1;
    QString naam1;
    QString naam2;
    QString keuzeTitel;
};

// The one instance.
Module1& module1();
