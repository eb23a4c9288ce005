// Factoring on a worksheet.

#include "algebrasheet.h"
#include "exercises/worksheet/sources.h"
#include "factoring.h"

namespace factoring {

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random)
{
    return algebra::sheetItems(e, level, count, random, generate,
                               [](const Problem& o) { return explanationTitle(o); });
}

} // namespace factoring
