#include "rows.h"

#include "ui/twips.h"

#include <cmath>

namespace graphs {

double columnX(int i, double xScale)
{
    return (i / 100.0 - 10) * xScale;
}

double rowOf(float y, double yScale)
{
    const double scaled = y / yScale;
    // Values this far off the picture keep only their side; in single
    // precision the row would overflow.
    if (!(std::fabs(scaled) <= 1e30))
        return scaled > 0 ? -1e32 : 1e32;
    const float ys = static_cast<float>(scaled);
    return std::floor(1000.0f - 100.0f * ys + 0.5f);
}

bool onPicture(double row)
{
    return row >= 0 && row <= pictureSize;
}

void computeRows(const CompiledFormula& formula, double xScale, double yScale, Rows& rows)
{
    for (int i = 0; i < columns; ++i)
        rows[i] = rowOf(valueAt(formula, columnX(i, xScale)), yScale);
}

bool check(const Rows& targetRows, const Rows& rows)
{
    for (int i = 1; i < columns; ++i)
        if (std::fabs(targetRows[i] - rows[i]) > 2)
            return false;
    return true;
}

std::vector<std::pair<int, int>> pieces(const Rows& rows)
{
    std::vector<std::pair<int, int>> pieces;
    int first = -1;
    for (int i = 0; i <= columns; ++i) {
        const bool on = i < columns && onPicture(rows[i]);
        if (on && first < 0)
            first = i;
        if (!on && first >= 0) {
            pieces.emplace_back(first, i - 1);
            first = -1;
        }
    }
    return pieces;
}

QColor pupilColour(int colour)
{
    const QColor c = ui::colour(colour);
    if (colour == 7)
        return c.darker(130); // lighter than dark grey (8), which stays apart
    return colour == 14 ? c.darker(150) : c;
}

int nextColour(int colour)
{
    const int next = (colour + 1) % 15;
    return next <= 1 ? 1 : next;
}

} // namespace graphs
