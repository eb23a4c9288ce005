#include "drawing.h"

#include "game.h"
#include "ui/userpainter.h"

namespace angles {

void drawAngle(ui::UserPainter& p, const Game& game, QPointF centre, double radius)
{
    const QColor red(255, 0, 0);
    const QColor blue(0, 0, 255);
    p.setSmooth(true);
    const int end = game.angle.end();
    if (game.sweptTo != end)
        p.pie(centre.x(), centre.y(), radius, game.sweptTo, end - game.sweptTo, red, red);
    for (const SweepStep& step : game.swept())
        p.pie(centre.x(), centre.y(), radius, step.from, step.to - step.from, blue, Qt::black);
}

} // namespace angles
