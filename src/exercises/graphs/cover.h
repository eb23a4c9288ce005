#pragma once
// The cover of the graph help (coverLabel): a small drawing made in code.

#include <QImage>
#include <QSize>
#include <QStringList>

namespace graphs {

QImage helpCover(QSize size, qreal devicePixelRatio);

// The three lines of text on the cover, from top to bottom.
QStringList helpCoverLines();

} // namespace graphs
