#pragma once
// A picture drawn by an exercise's own drawing code, put on paper.

#include <QPainter>
#include <QRectF>
#include <functional>

namespace ui {
class UserPainter;
}

namespace worksheet {

// Lets `draw` paint a square of `units` x `units` user units (the exercise's
// own coordinates, (0, 0) at the top left) and puts it into the square `r`
// of the page, as lines and text rather than pixels.
void drawSquare(QPainter& p, const QRectF& r, double units,
                const std::function<void(ui::UserPainter&)>& draw);

} // namespace worksheet
