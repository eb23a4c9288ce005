#pragma once
// A fraction equation laid out as lines of text (numerators, bars and
// denominators at their heights) on any paint device.

namespace ui {
class UserPainter;
}

namespace equations {

struct Equation;

// Prints the lines of `fractionLines` at their heights in the painter's font
// and colour, from its left edge.
void drawFraction(ui::UserPainter& p, const Equation& v);

} // namespace equations
