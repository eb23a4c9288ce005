// The graphs exercise on a worksheet: each function drawn on its grid as
// the run draws it, with "y = ......" below it.

#include "axes.h"
#include "compile.h"
#include "exercises/catalogue.h"
#include "exercises/worksheet/picture.h"
#include "exercises/worksheet/sources.h"
#include "generator.h"
#include "rows.h"
#include "ui/userpainter.h"

#include <memory>

namespace graphs {

namespace {
// The rows of the formula on the problem's picture; null when unreadable.
std::shared_ptr<Rows> rowsOf(const Problem& f, const QString& formula)
{
    const Reading reading = readFormula(formula, f.variable);
    if (reading.failed)
        return nullptr;
    auto rows = std::make_shared<Rows>();
    computeRows(reading.program, f.xScale, f.yScale, *rows);
    return rows;
}

worksheet::Item itemOf(const Problem& f, const catalogue::Exercise& e)
{
    worksheet::Item item;
    item.blank = f.formulaStart() + worksheet::dots;
    item.problem = item.blank;
    item.answer = f.formula;
    item.explanationTitle = catalogue::summaryTitle(e);
    item.explanation = f.formulaStart() + f.formula;
    item.room = worksheet::Room::Graph;
    const std::shared_ptr<Rows> target = rowsOf(f, f.formula);
    const Axes axes{f.xScale, f.yScale, f.variable, f.functionLetter};
    item.draw = [axes, target](QPainter& p, const QRectF& r) {
        worksheet::drawSquare(p, r, pictureSize, [&](ui::UserPainter& u) {
            drawAxes(u, axes);
            if (target)
                drawCurve(u, *target, Qt::black, 2);
        });
    };
    item.check = [f, target](const QString& typed) {
        const std::shared_ptr<Rows> rows = rowsOf(f, typed.trimmed());
        return target && rows && check(*target, *rows);
    };
    return item;
}
} // namespace

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random)
{
    // On the mixed level player 1's record of kinds decides, as in a run.
    const bool mixed = e.mixedLevel != 0 && level == e.mixedLevel;
    UsedKinds used{};
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const int kind = mixed && n == 1 ? firstMixedKind(used, random) : level;
        items.push_back(itemOf(generate(kind, mixed, used, random), e));
    }
    return items;
}

} // namespace graphs
