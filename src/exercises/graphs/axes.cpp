#include "axes.h"

#include "common/numbertext.h"
#include "ui/userpainter.h"

#include <QPainter>
#include <QPainterPath>

namespace graphs {

namespace {

// The numbers along the axes are smaller than the texts of the help pages.
void useNumberFont(ui::UserPainter& picture)
{
    QFont f = picture.font();
    f.setPointSizeF(7.5);
    picture.setFont(f);
}

void startDrawing(ui::UserPainter& picture)
{
    picture.setWidth(1);
    picture.setSmooth(false); // a crisp grid
    picture.setColour(Qt::black);
    useNumberFont(picture);
}

void printAt(ui::UserPainter& picture, double x, double y, const QString& text)
{
    picture.moveTo(x, y);
    picture.print(text);
}

// Grid lines every 100 units over the given part of the picture.
void grid(ui::UserPainter& picture, int right, int bottom)
{
    // The lines on the picture's right and bottom edges go one unit inwards,
    // or they would fall just outside the last pixel.
    auto inside = [](int p) { return p == pictureSize ? pictureSize - 1 : p; };
    for (int p = 0; p <= right; p += 100)
        picture.line(inside(p), 0, inside(p), bottom);
    for (int p = 0; p <= bottom; p += 100)
        picture.line(0, inside(p), right, inside(p));
}

void redAxes(ui::UserPainter& picture, QPointF origin, int right, int bottom, const Axes& axes,
             QPointF yLetter, QPointF xLetter)
{
    picture.setWidth(1);
    picture.setColour(axisRed());
    picture.line(origin.x(), 0, origin.x(), bottom);
    picture.line(0, origin.y(), right, origin.y());
    QFont f = picture.font();
    f.setPointSizeF(10);
    f.setBold(true);
    picture.setFont(f);
    printAt(picture, yLetter.x(), yLetter.y(), QString(axes.functionLetter));
    printAt(picture, xLetter.x(), xLetter.y(), QString(axes.variable));
}

void strokePieces(QPainter& p, const ui::UserScale& scale, const Rows& rows, const QColor& colour,
                  int width)
{
    const QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(colour);
    for (const auto& [first, last] : pieces(rows)) {
        if (first == last) { // a single point
            const double r = std::max(1, width) / 2.0;
            p.setPen(Qt::NoPen);
            p.drawEllipse(scale.toPixels(first, rows[first]), r, r);
            p.setPen(pen);
            continue;
        }
        QPainterPath path(scale.toPixels(first, rows[first]));
        for (int i = first + 1; i <= last; ++i)
            path.lineTo(scale.toPixels(i, rows[i]));
        p.strokePath(path, p.pen());
    }
}

} // namespace

QColor axisRed()
{
    return QColor(255, 0, 0);
}

void drawAxes(ui::UserPainter& picture, const Axes& axes)
{
    startDrawing(picture);
    grid(picture, pictureSize, pictureSize);
    for (int p = 100; p <= 1900; p += 100) {
        if (p == 1000)
            continue;
        printAt(picture, p - 10, 1010, common::Str((p / 100 - 10) * axes.xScale));
        printAt(picture, 1010, p - 30, common::Str((10 - p / 100) * axes.yScale));
    }
    redAxes(picture, {1000, 1000}, pictureSize, pictureSize, axes, {950, 20}, {1960, 920});
}

void drawHelpAxesLeft(ui::UserPainter& picture, const Axes& axes)
{
    startDrawing(picture);
    grid(picture, 1000, pictureSize);
    for (int p = 100; p <= 900; p += 100)
        printAt(picture, p - 10, 1010, common::Str(p / 100 - 5));
    for (int p = 100; p <= 1900; p += 100)
        if (p != 1000)
            printAt(picture, 510, p - 30, common::Str(10 - p / 100));
    redAxes(picture, {500, 1000}, 1000, pictureSize, axes, {450, 20}, {960, 920});
}

void drawHelpAxesTop(ui::UserPainter& picture, const Axes& axes)
{
    startDrawing(picture);
    grid(picture, pictureSize, 1000);
    for (int p = 100; p <= 1900; p += 100)
        if (p != 1000)
            printAt(picture, p - 10, 510, common::Str(p / 100 - 10));
    for (int p = 100; p <= 900; p += 100)
        printAt(picture, 1010, p - 30, common::Str(5 - p / 100));
    redAxes(picture, {1000, 500}, pictureSize, 1000, axes, {950, 20}, {1960, 480});
}

void drawCurve(ui::UserPainter& picture, const Rows& rows, const QColor& colour, int width,
               const QRectF& bounds)
{
    // The pieces are laid on the picture as one path each, so that the 2000
    // short segments of a curve join smoothly instead of overlapping.
    const qreal dpr = picture.painter().device()->devicePixelRatioF();
    const QPointF size = picture.toPixels(pictureSize, pictureSize) - picture.toPixels(0, 0);
    QImage layer(QSize(qRound(size.x() * dpr), qRound(size.y() * dpr)),
                 QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(dpr);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setClipRect(QRectF(picture.toPixels(bounds.left(), bounds.top()),
                             picture.toPixels(bounds.right(), bounds.bottom())));
        strokePieces(p, picture.scale(), rows, colour, width);
    }
    picture.image(0, 0, pictureSize, pictureSize, layer);
}

} // namespace graphs
