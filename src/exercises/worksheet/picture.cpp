#include "picture.h"

#include "ui/userpainter.h"

#include <QPicture>

namespace worksheet {

namespace {
// The picture's size in pixels: about the size the run shows it, so that
// the exercise's fonts keep their proportion to the drawing.
constexpr double pixels = 400;
} // namespace

void drawSquare(QPainter& p, const QRectF& r, double units,
                const std::function<void(ui::UserPainter&)>& draw)
{
    QPicture picture;
    {
        QFont font(QStringLiteral("DejaVu Sans"), 9);
        ui::UserPainter user(&picture, {0, 0, units / pixels, units / pixels}, font);
        draw(user);
    }
    p.save();
    p.translate(r.topLeft());
    // A picture is played back scaled by the device's resolution over its own.
    const double dpi = double(picture.logicalDpiX()) / p.device()->logicalDpiX();
    p.scale(r.width() / pixels * dpi, r.height() / pixels * dpi);
    p.drawPicture(QPointF(0, 0), picture);
    p.restore();
}

} // namespace worksheet
