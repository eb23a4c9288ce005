// Removing brackets on a worksheet: each problem with lines for the working.

#include "brackets.h"
#include "exercises/worksheet/sources.h"

namespace brackets {

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const Problem o = generate(worksheet::levelOfProblem(e, level, n), n, random);
        worksheet::Item item;
        item.blank = worksheet::dots;
        item.problem = o.text.trimmed() + QStringLiteral(" = ") + item.blank;
        item.answer = o.answer.trimmed();
        item.explanationTitle = explanationTitle;
        item.explanation = explain(o);
        item.room = worksheet::Room::Lines;
        item.check = [o](const QString& typed) { return check(o, typed).right; };
        items.push_back(item);
    }
    return items;
}

} // namespace brackets
