// The percentages exercise on a worksheet: each problem on its three lines.

#include "exercises/worksheet/sources.h"
#include "perccheck.h"
#include "percexplanation.h"

namespace percentages {

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise&, int, int count,
                                        common::Random& random)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const Problem o = generate(kindOfPlayer1(n), random);
        worksheet::Item item;
        item.blank = worksheet::dots;
        item.problem =
            o.line1 + QChar(13) + o.line2 + QChar(13) + o.line3 + QLatin1Char(' ') + item.blank;
        item.answer = o.answerText.trimmed();
        item.explanationTitle = QStringLiteral("procenten");
        item.explanation = explain(o, o.line1, o.line2, o.line3);
        item.room = worksheet::Room::Lines;
        item.check = [o](const QString& typed) { return check(o, typed).right; };
        items.push_back(item);
    }
    return items;
}

} // namespace percentages
