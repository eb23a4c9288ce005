#include "menupicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

const QColor paper(0xFD, 0xFB, 0xF3);
const QColor grid(0xDD, 0xE8, 0xF5);
const QColor ink(0x33, 0x3F, 0x55);

void drawGraphPaper(QPainter& p, const QRectF& r, qreal step)
{
    // Grid lines on whole pixels: crisp, and much quicker than smoothed ones.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, paper);
    p.setPen(QPen(grid, 1));
    for (qreal x = r.left() + step / 2; x < r.right(); x += step)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    for (qreal y = r.top() + step / 2; y < r.bottom(); y += step)
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
    p.restore();
}

// A half protractor standing on its straight edge, with an angle of 50
// degrees marked in red as in the angle game.
void drawProtractor(QPainter& p, const QPointF& centre, qreal radius)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath half;
    half.moveTo(centre.x() + radius, centre.y());
    half.arcTo(box, 0, 180);
    half.closeSubpath();
    p.setPen(QPen(QColor(0xC9, 0x9A, 0x2E), 1.5));
    p.setBrush(QColor(0xFF, 0xE9, 0xA8, 220));
    p.drawPath(half);

    QPainterPath angle(centre);
    angle.arcTo(box.adjusted(radius * 0.3, radius * 0.3, -radius * 0.3, -radius * 0.3), 30, 50);
    angle.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE5, 0x39, 0x35, 200));
    p.drawPath(angle);

    for (int deg = 0; deg <= 180; deg += 5) {
        const qreal a = qDegreesToRadians(qreal(deg));
        const qreal inner = radius * (deg % 30 == 0 ? 0.80 : deg % 10 == 0 ? 0.87 : 0.92);
        const QPointF dir(std::cos(a), -std::sin(a));
        p.setPen(QPen(QColor(0x8A, 0x62, 0x10), deg % 30 == 0 ? 1.4 : 0.8));
        p.drawLine(centre + dir * inner, centre + dir * radius);
    }
    p.setPen(QPen(ink, 1.6));
    for (int deg : {30, 80}) {
        const qreal a = qDegreesToRadians(qreal(deg));
        p.drawLine(centre, centre + QPointF(std::cos(a), -std::sin(a)) * radius * 0.98);
    }
    p.setBrush(ink);
    p.drawEllipse(centre, 2.5, 2.5);
}

void drawArrow(QPainter& p, const QPointF& from, const QPointF& to)
{
    p.drawLine(from, to);
    const QPointF d = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF n(-d.y(), d.x());
    QPolygonF head;
    head << to << to - d * 7 + n * 3.5 << to - d * 7 - n * 3.5;
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
}

// Axes with a parabola and a line through the region, unit = step pixels.
void drawGraph(QPainter& p, const QRectF& r, qreal step)
{
    p.save();
    p.setClipRect(r);
    const QPointF origin(r.left() + r.width() * 0.2, r.top() + r.height() * 0.62);
    auto at = [&](qreal x, qreal y) { return origin + QPointF(x * step, -y * step); };

    p.setPen(QPen(ink, 1.3));
    drawArrow(p, QPointF(r.left() + 6, origin.y()), QPointF(r.right() - 6, origin.y()));
    drawArrow(p, QPointF(origin.x(), r.bottom() - 4), QPointF(origin.x(), r.top() + 6));
    for (int i = -1; origin.x() + i * step < r.right() - 14; ++i)
        if (i != 0)
            p.drawLine(at(i, 0) + QPointF(0, -3), at(i, 0) + QPointF(0, 3));
    QFont f = p.font();
    f.setPixelSize(int(step * 0.9));
    p.setFont(f);
    p.drawText(QPointF(r.right() - 16, origin.y() - 6), QStringLiteral("x"));
    p.drawText(QPointF(origin.x() + 6, r.top() + 16), QStringLiteral("y"));

    QPainterPath parabola;
    for (qreal x = 0.5; x <= 15.5; x += 0.1) {
        const QPointF pt = at(x, 0.25 * (x - 8) * (x - 8) - 3);
        if (x == 0.5)
            parabola.moveTo(pt);
        else
            parabola.lineTo(pt);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1E, 0x63, 0xC8), 2.2));
    p.drawPath(parabola);

    p.setPen(QPen(QColor(0x2E, 0x9E, 0x48), 2.2));
    p.drawLine(at(-2, 0), at(16, 9));

    const qreal crossing = 9 - std::sqrt(33.0); // where line and parabola cross
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xE5, 0x39, 0x35));
    p.drawEllipse(at(crossing, 0.5 * crossing + 1), 3.5, 3.5);
    p.drawEllipse(at(8, -3), 3.5, 3.5);
    p.restore();
}

// A few friendly signs in the free corner above the x axis.
void drawSigns(QPainter& p, const QRectF& r)
{
    const QString signs[] = {QStringLiteral("π"), QStringLiteral("x²"), QStringLiteral("√"),
                             QStringLiteral("%")};
    const QColor colours[] = {QColor(0x8E, 0x44, 0xAD), QColor(0x1E, 0x63, 0xC8),
                              QColor(0xE6, 0x7E, 0x22), QColor(0x2E, 0x9E, 0x48)};
    // The widgets' own face: it has every sign, so no other font is looked up
    // while the menu starts.
    QFont f = p.font();
    f.setPixelSize(int(r.height() * 0.16));
    p.setFont(f);
    for (int i = 0; i < 4; ++i) {
        p.setPen(colours[i]);
        const QPointF at(r.left() + r.width() * (0.74 + 0.06 * i),
                         r.top() + r.height() * (i % 2 == 0 ? 0.30 : 0.48));
        p.drawText(at, signs[i]);
    }
}

} // namespace

QFont titleFont(int pixelSize)
{
    QFont f;
    f.setFamilies({QStringLiteral("Comic Neue"), QStringLiteral("Comic Sans MS"),
                   QStringLiteral("Comic Relief"), QStringLiteral("DejaVu Sans")});
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

QImage menuPicture(const QSize& size, qreal devicePixelRatio, qreal lineB)
{
    QImage img(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(devicePixelRatio);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::TextAntialiasing, true);

    const qreal w = size.width(), h = size.height();
    const qreal step = std::max(8.0, std::round(h / 20));
    drawGraphPaper(p, QRectF(0, 0, w, h), step);

    const qreal radius = std::min(w * 0.22, lineB - 2 * step);
    drawProtractor(p, QPointF(w * 0.72, lineB - 6), radius);
    const QRectF below(0, lineB + 1.5 * step, w, h - lineB - 1.5 * step);
    drawGraph(p, below, step);
    drawSigns(p, below);
    return img;
}
