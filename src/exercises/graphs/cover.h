#pragma once
// The cover of the graph help (Image1): a small drawing made in code.

#include <QImage>
#include <QSize>
#include <QStringList>

namespace graphs {

QImage hulpOmslag(QSize size, qreal devicePixelRatio);

// The three lines of text on the cover, from top to bottom.
QStringList hulpOmslagRegels();

} // namespace graphs
