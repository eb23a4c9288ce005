// The metric exercise on a worksheet.

#include "exercises/worksheet/sources.h"
#include "metriccheck.h"
#include "metricexplanation.h"

namespace metric {

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const Problem o = generate(worksheet::levelOfProblem(e, level, n), random);
        worksheet::Item item;
        item.blank = worksheet::dots;
        item.problem = spoken(o).replace(QStringLiteral("…"), item.blank);
        item.answer = o.answerText.trimmed();
        item.explanationTitle = QStringLiteral("metriek");
        item.explanation = explain(o);
        item.check = [o](const QString& typed) { return check(o, typed).right; };
        items.push_back(item);
    }
    return items;
}

} // namespace metric
