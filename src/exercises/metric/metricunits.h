#pragma once
// The units of the metric exercise: lengths (level 1), areas (level 2) and
// volumes (level 3), with the size index of each unit. One step of size index
// is a factor 10 for lengths, 100 for areas and 1000 for volumes.

#include <QString>

namespace metric {

inline constexpr int lengtes = 1;
inline constexpr int oppervlaktes = 2;
inline constexpr int inhouden = 3;

// Number of units of a level (7, 10 or 8).
int aantalEenheden(int niveau);
// The unit text at index 1 .. aantalEenheden(niveau).
QString eenheid(int niveau, int index);
// The size index of a unit.
int macht(int niveau, int index);
// 1 for lengths, 2 for areas, 3 for volumes: the power of ten per step.
inline int stapMacht(int niveau)
{
    return niveau;
}
// True for "cl", which holds a further factor 100 beyond its size index.
bool isCentiliter(int niveau, int index);

} // namespace metric
