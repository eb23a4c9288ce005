#pragma once
// An equation as one sentence for a screen reader.

#include "equation.h"

namespace equations {

// The equation as it reads on screen; a fraction from top to bottom as
// «5 gedeeld door ( 3x + 4 ) is gelijk aan 2».
QString spoken(const Equation& v);

} // namespace equations
