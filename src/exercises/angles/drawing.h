#pragma once
// The angle game's picture: the angle still to sweep as a red pie sector and
// the part swept so far in blue steps with black edges, on any paint device.

#include <QPointF>

namespace ui {
class UserPainter;
}

namespace angles {

struct Game;

// Draws around `centre` with `radius` (in the painter's user units) on what
// is already there; the caller clears first.
void drawAngle(ui::UserPainter& p, const Game& game, QPointF centre, double radius);

} // namespace angles
