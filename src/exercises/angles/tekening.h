#pragma once
// The angle game's picture: the angle still to sweep as a red pie sector and
// the part swept so far in blue steps with black edges, on any paint device.

#include <QPointF>

namespace ui {
class UserPainter;
}

namespace angles {

struct Spel;

// Draws around `midden` with `straal` (in the painter's user units) on what
// is already there; the caller clears first.
void tekenHoek(ui::UserPainter& p, const Spel& spel, QPointF midden, double straal);

} // namespace angles
