// The sums exercise on a worksheet, in the schedule of kinds of a run.

#include "common/numbertext.h"
#include "exercises/sums/check.h"
#include "exercises/sums/explanation.h"
#include "exercises/sums/generator.h"
#include "exercises/sums/spoken.h"
#include "exercises/worksheet/sources.h"

namespace sums {

namespace {
// The right answer as the run tells it after a wrong one.
QString answerOf(const Problem& p)
{
    if (p.mode.secondHidden || p.mode.kind == 2)
        return common::Str(p.mode.secondHidden ? p.number2 : p.result());
    return common::StrSingle(float(p.mode.tenths ? p.result() / 10 : p.result()));
}
} // namespace

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise&, int level, int count,
                                        common::Random& random)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const Problem p = generate(level, n, random);
        worksheet::Item item;
        item.blank = worksheet::dots;
        item.problem = spoken(p.row).replace(QStringLiteral("…"), item.blank);
        item.answer = answerOf(p).trimmed();
        item.explanation = explain(p);
        item.check = [p](const QString& typed) { return check(p, typed, 1).right; };
        items.push_back(item);
    }
    return items;
}

} // namespace sums
