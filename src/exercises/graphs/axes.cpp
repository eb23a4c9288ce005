#include "axes.h"

#include "common/numbertext.h"
#include "ui/picturebox.h"

#include <QPainter>
#include <QPainterPath>

namespace graphs {

namespace {

// The numbers along the axes are smaller than the texts of the help pages.
void useNumberFont(ui::PictureBox& picture)
{
    QFont f = picture.font();
    f.setPointSizeF(7.5);
    picture.setFont(f);
}

void startDrawing(ui::PictureBox& picture)
{
    picture.setScale(0, 0, beeld, beeld);
    picture.setDrawWidth(1);
    picture.setSmooth(false); // a crisp grid
    picture.setForeColour(Qt::black);
    useNumberFont(picture);
}

void printAt(ui::PictureBox& picture, double x, double y, const QString& text)
{
    picture.moveTo(x, y);
    picture.print(text);
}

// Grid lines every 100 units over the given part of the picture.
void grid(ui::PictureBox& picture, int right, int bottom)
{
    // The lines on the picture's right and bottom edges go one unit inwards,
    // or they would fall just outside the last pixel.
    auto inside = [](int p) { return p == beeld ? beeld - 1 : p; };
    for (int p = 0; p <= right; p += 100)
        picture.line(inside(p), 0, inside(p), bottom);
    for (int p = 0; p <= bottom; p += 100)
        picture.line(0, inside(p), right, inside(p));
}

void redAxes(ui::PictureBox& picture, QPointF origin, int right, int bottom, const AsLetters& as,
             QPointF yLetter, QPointF xLetter)
{
    picture.setDrawWidth(1);
    picture.setForeColour(asRood());
    picture.line(origin.x(), 0, origin.x(), bottom);
    picture.line(0, origin.y(), right, origin.y());
    QFont f = picture.font();
    f.setPointSizeF(10);
    f.setBold(true);
    picture.setFont(f);
    printAt(picture, yLetter.x(), yLetter.y(), QString(as.functieletter));
    printAt(picture, xLetter.x(), xLetter.y(), QString(as.variabele));
}

} // namespace

QColor asRood()
{
    return QColor(255, 0, 0);
}

void assen(ui::PictureBox& picture, const AsLetters& as)
{
    startDrawing(picture);
    grid(picture, beeld, beeld);
    for (int p = 100; p <= 1900; p += 100) {
        if (p == 1000)
            continue;
        printAt(picture, p - 10, 1010, common::Str((p / 100 - 10) * as.xschaal));
        printAt(picture, 1010, p - 30, common::Str((10 - p / 100) * as.yschaal));
    }
    redAxes(picture, {1000, 1000}, beeld, beeld, as, {950, 20}, {1960, 920});
}

void assenuitleg(ui::PictureBox& picture, const AsLetters& as)
{
    startDrawing(picture);
    grid(picture, 1000, beeld);
    for (int p = 100; p <= 900; p += 100)
        printAt(picture, p - 10, 1010, common::Str(p / 100 - 5));
    for (int p = 100; p <= 1900; p += 100)
        if (p != 1000)
            printAt(picture, 510, p - 30, common::Str(10 - p / 100));
    redAxes(picture, {500, 1000}, 1000, beeld, as, {450, 20}, {960, 920});
}

void assenuitleg2(ui::PictureBox& picture, const AsLetters& as)
{
    startDrawing(picture);
    grid(picture, beeld, 1000);
    for (int p = 100; p <= 1900; p += 100)
        if (p != 1000)
            printAt(picture, p - 10, 510, common::Str(p / 100 - 10));
    for (int p = 100; p <= 900; p += 100)
        printAt(picture, 1010, p - 30, common::Str(5 - p / 100));
    redAxes(picture, {1000, 500}, beeld, 1000, as, {950, 20}, {1960, 480});
}

void tekenCurve(ui::PictureBox& picture, const Rijen& rijen, const QColor& colour, int width,
                const QRectF& grens)
{
    // The pieces are laid on the picture as one path each, so that the 2000
    // short segments of a curve join smoothly instead of overlapping.
    picture.setScale(0, 0, beeld, beeld);
    const QImage& base = picture.image();
    QImage layer(base.size(), QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(base.devicePixelRatio());
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setClipRect(QRectF(picture.toPixels(grens.left(), grens.top()),
                             picture.toPixels(grens.right(), grens.bottom())));
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(colour);
        for (const auto& [first, last] : stukken(rijen)) {
            if (first == last) { // a single point
                const double r = std::max(1, width) / 2.0;
                p.setPen(Qt::NoPen);
                p.drawEllipse(picture.toPixels(first, rijen[first]), r, r);
                p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                continue;
            }
            QPainterPath path(picture.toPixels(first, rijen[first]));
            for (int i = first + 1; i <= last; ++i)
                path.lineTo(picture.toPixels(i, rijen[i]));
            p.strokePath(path, p.pen());
        }
    }
    picture.drawImage(0, 0, beeld, beeld, layer);
}

} // namespace graphs
