#pragma once
// A drawn curve in words, for pupils who cannot see the picture: where it
// crosses the axes, its highest and lowest point in the window, where it is
// undefined, and its values at the whole numbers -5 to 5.

#include "axes.h"
#include "formula.h"

#include <QString>

namespace graphs {

// The curve of the formula on the axes `as` (the window runs from -10 to 10
// times each scale). Numbers are rounded to two decimals and written as the
// program writes numbers.
QString description(const CompiledFormula& formula, const Axes& axes);

} // namespace graphs
