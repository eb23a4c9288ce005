#pragma once
// Where a curve lies on the 2000 x 2000 picture, column by column, and how an
// answer is judged against the given curve.

#include "formula.h"

#include <QColor>

#include <array>
#include <utility>
#include <vector>

namespace graphs {

inline constexpr int columns = 2001;     // columns 0 to 2000, one sample each
inline constexpr int pictureSize = 2000; // picture size in its own units

using Rows = std::array<double, columns>;

// The value of the variable in column i.
double columnX(int i, double xScale);

// The picture row of the value y, computed in single precision; far outside
// 0..2000 for undefined.
double rowOf(float y, double yScale);

bool onPicture(double row);

// The rows of the formula in every column.
void computeRows(const CompiledFormula& formula, double xScale, double yScale, Rows& rows);

// An answer is right when its row lies within 2 of the given row in every
// column 1 to 2000 (column 0 is not compared).
bool check(const Rows& targetRows, const Rows& rows);

// The pieces of the curve that are drawn: runs of consecutive columns whose
// rows lie on the picture, as (first column, last column).
std::vector<std::pair<int, int>> pieces(const Rows& rows);

// The colour number of the next pupil curve: 1, 2, ..., 14, 1, 2, ...
int nextColour(int colour);
// The colour a pupil curve of that number is drawn in: the palette colour,
// but light grey (7) and yellow (14) in a darker shade of their hue, so they
// stand out on the white picture.
QColor pupilColour(int colour);

} // namespace graphs
