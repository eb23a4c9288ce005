#pragma once
// The units of the metric exercise: lengths (level 1), areas (level 2) and
// volumes (level 3), with the size index of each unit. One step of size index
// is a factor 10 for lengths, 100 for areas and 1000 for volumes.

#include <QString>

namespace metric {

inline constexpr int lengths = 1;
inline constexpr int areas = 2;
inline constexpr int volumes = 3;

// Number of units of a level (7, 10 or 8).
int unitCount(int level);
// The unit text at index 1 .. unitCount(level).
QString unit(int level, int index);
// The size index of a unit.
int sizeIndex(int level, int index);
// 1 for lengths, 2 for areas, 3 for volumes: the power of ten per step.
inline int powerPerStep(int level)
{
    return level;
}
// True for "cl", which holds a further factor 100 beyond its size index.
bool isCentiliter(int level, int index);

} // namespace metric
