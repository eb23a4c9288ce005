// Removing brackets on a worksheet.

#include "algebrasheet.h"
#include "brackets.h"
#include "exercises/worksheet/sources.h"

namespace brackets {

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random)
{
    return algebra::sheetItems(e, level, count, random, generate,
                               [](const Problem&) { return explanationTitle; });
}

} // namespace brackets
