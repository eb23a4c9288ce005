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
struct AsLetters {
    double xschaal = 10;
    double yschaal = 10;
    QChar variabele = QLatin1Char('x');
    QChar functieletter = QLatin1Char('y');
};

// The full picture: grid, numbers, red axes and letters.
void assen(ui::UserPainter& picture, const AsLetters& as);

// Help layouts: the graph in the left half (origin at 500, 1000) ...
void assenuitleg(ui::UserPainter& picture, const AsLetters& as);
// ... or in the top half (origin at 1000, 500).
void assenuitleg2(ui::UserPainter& picture, const AsLetters& as);

// Draws the curve of the rows: anti-aliased, one piece per run of columns on
// the picture, `width` pixels wide. `grens` limits the drawing to a part of
// the picture (picture units), as the help pages' half-size graphs need.
void tekenCurve(ui::UserPainter& picture, const Rijen& rijen, const QColor& colour, int width,
                const QRectF& grens = QRectF(0, 0, beeld, beeld));

// Red, as the axes and the help texts use it.
QColor asRood();

} // namespace graphs
