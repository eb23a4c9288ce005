#pragma once
// A fraction equation laid out as lines of text (numerators, bars and
// denominators at their heights) on any paint device.

namespace ui {
class UserPainter;
}

namespace equations {

struct Vergelijking;

// Prints the lines of `breukregels` at their heights in the painter's font
// and colour, from its left edge.
void tekenBreuk(ui::UserPainter& p, const Vergelijking& v);

} // namespace equations
