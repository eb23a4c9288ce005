#pragma once
// The menu's decorative picture: graph paper with a protractor holding an
// angle and a coordinate system with a parabola and a straight line. Drawn in
// code at any size; the menu prints its two display lines over it.

#include <QFont>
#include <QImage>
#include <QSize>

// The picture for an area of the given size in logical pixels. The second
// display line is printed at lineB (pixels from the top): the protractor
// stands just above it and the graph fills the part below it.
QImage menuPicture(const QSize& size, qreal devicePixelRatio, qreal lineB);

// A comic-style font for the title strip, falling back to a plain sans-serif
// family when no comic family is installed.
QFont titleFont(int pixelSize);
