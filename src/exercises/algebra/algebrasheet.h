#pragma once
// Removing brackets and factoring on a worksheet: each problem with lines for
// the working, its answer written out and the exercise's own explanation.

#include "exercises/worksheet/sheet.h"

namespace algebra {

// `generate` makes problem n of the level; `title` gives its explanation's
// title. explain() and check() are the exercise's own, found by the
// problem's namespace.
template <class Problem, class Title>
std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random,
                                        Problem (*generate)(int, int, common::Random&), Title title)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const Problem o = generate(worksheet::levelOfProblem(e, level, n), n, random);
        worksheet::Item item;
        item.blank = worksheet::dots;
        item.problem = o.text.trimmed() + QStringLiteral(" = ") + item.blank;
        item.answer = o.answer.trimmed();
        item.explanationTitle = title(o);
        item.explanation = explain(o);
        item.room = worksheet::Room::Lines;
        item.check = [o](const QString& typed) { return check(o, typed).right; };
        items.push_back(item);
    }
    return items;
}

} // namespace algebra
