#include "cover.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace graphs {

namespace {

// A curve of the little graph on the cover, in its own units (-5..5).
void curve(QPainter& p, const QRectF& area, const QColor& colour,
           const std::function<double(double)>& f)
{
    auto at = [&](double x, double y) {
        return QPointF(area.center().x() + x * area.width() / 10,
                       area.center().y() - y * area.height() / 10);
    };
    QPainterPath path;
    bool drawing = false;
    for (int i = 0; i <= 400; ++i) {
        const double x = -5 + i / 40.0;
        const double y = f(x);
        if (!std::isfinite(y) || std::fabs(y) > 5) {
            drawing = false;
            continue;
        }
        if (drawing)
            path.lineTo(at(x, y));
        else
            path.moveTo(at(x, y));
        drawing = true;
    }
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

} // namespace

QImage helpCover(QSize size, qreal devicePixelRatio)
{
    QImage img(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(devicePixelRatio);
    img.fill(QColor(250, 248, 240));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double w = size.width(), h = size.height();

    // A sheet of squared paper with axes and three coloured curves.
    const QRectF sheet(w * 0.15, h * 0.22, w * 0.7, w * 0.7 * 0.8);
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(QColor(190, 200, 220), 1));
    for (int k = 0; k <= 10; ++k) {
        const double x = sheet.left() + k * sheet.width() / 10;
        const double y = sheet.top() + k * sheet.height() / 10;
        p.drawLine(QPointF(x, sheet.top()), QPointF(x, sheet.bottom()));
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    p.setPen(QPen(QColor(220, 0, 0), 2));
    p.drawLine(QPointF(sheet.center().x(), sheet.top()),
               QPointF(sheet.center().x(), sheet.bottom()));
    p.drawLine(QPointF(sheet.left(), sheet.center().y()),
               QPointF(sheet.right(), sheet.center().y()));
    curve(p, sheet, QColor(0, 0, 160), [](double x) { return 0.5 * x + 1; });
    curve(p, sheet, QColor(0, 140, 0), [](double x) { return 0.5 * (x - 1) * (x - 1) - 3; });
    curve(p, sheet, QColor(200, 100, 0), [](double x) { return 2 * std::sin(1.5 * x); });
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(sheet);

    // Title and a question mark.
    QFont title = p.font();
    title.setPointSizeF(h / 22);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRectF(0, h * 0.04, w, h * 0.1), Qt::AlignCenter, helpCoverLines()[0]);
    QFont sub = title;
    sub.setBold(false);
    sub.setPointSizeF(h / 40);
    p.setFont(sub);
    p.setPen(QColor(60, 60, 60));
    p.drawText(QRectF(0, h * 0.12, w, h * 0.07), Qt::AlignCenter, helpCoverLines()[1]);
    p.drawText(QRectF(0, h * 0.86, w, h * 0.08), Qt::AlignCenter, helpCoverLines()[2]);
    return img;
}

QStringList helpCoverLines()
{
    return {QStringLiteral("Hulp bij functies"),
            QStringLiteral("Hoe lees je de formule af van de grafiek?"),
            QStringLiteral("Klik op Verder voor een voorbeeld.")};
}

} // namespace graphs
