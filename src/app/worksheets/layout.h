#pragma once
// Laying out one version of a worksheet, and its key, on the pages.

#include "exercises/worksheet/sheet.h"
#include "paper.h"

namespace worksheets {

// The problems, numbered, with room to write.
void layOutProblems(Paper& paper, const worksheet::Sheet& sheet);
// Per problem its right answer and, below it, its explanation.
void layOutKey(Paper& paper, const worksheet::Sheet& sheet);

} // namespace worksheets
