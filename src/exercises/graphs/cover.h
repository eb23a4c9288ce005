#pragma once
// The cover of the graph help (Image1): a small drawing made in code.

#include <QImage>
#include <QSize>

namespace graphs {

QImage hulpOmslag(QSize size, qreal devicePixelRatio);

} // namespace graphs
