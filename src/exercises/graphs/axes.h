#pragma once
// Drawing the graph form's picture: the numbered axes on the 2000 x 2000
// picture, the two half-size layouts of the help pages, and curves. They
// draw through a painter whose user coordinates run from (0, 0) at the top
// left to (2000, 2000) at the bottom right, on any paint device.

#include "rows.h"

#include <QColor>
#include <QRectF>

namespace ui {
class UserPainter;
}

namespace graphs {

// What the axes show: the scales and the letters at their ends.
struct Axes {
    double xScale = 10;
    double yScale = 10;
    QChar variable = QLatin1Char('x');
    QChar functionLetter = QLatin1Char('y');
};

// The full picture: grid, numbers, red axes and letters.
void drawAxes(ui::UserPainter& picture, const Axes& axes);

// Help layouts: the graph in the left half (origin at 500, 1000) ...
void drawHelpAxesLeft(ui::UserPainter& picture, const Axes& axes);
// ... or in the top half (origin at 1000, 500).
void drawHelpAxesTop(ui::UserPainter& picture, const Axes& axes);

// Draws the curve of the rows: anti-aliased, one piece per run of columns on
// the picture, `width` pixels wide. `bounds` limits the drawing to a part of
// the picture (picture units), as the help pages' half-size graphs need.
void drawCurve(ui::UserPainter& picture, const Rows& rows, const QColor& colour, int width,
               const QRectF& bounds = QRectF(0, 0, pictureSize, pictureSize));

// Red, as the axes and the help texts use it.
QColor axisRed();

} // namespace graphs
