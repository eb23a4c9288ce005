#pragma once
// The worked solution of an equation, shown after a wrong answer: the
// equation solved step by step by the method of its level, in a message box
// whose title names the method.

#include "vergelijking.h"

#include <QString>

namespace equations {

struct Uitleg {
    QString titel;
    QString tekst; // lines separated by CR
};

Uitleg uitleg(const Vergelijking& v);

} // namespace equations
