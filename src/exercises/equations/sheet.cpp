// Equations on a worksheet: fraction equations drawn on their three lines
// as the run draws them, each problem with lines for the working.

#include "check.h"
#include "common/numbertext.h"
#include "exercises/worksheet/sources.h"
#include "explanation.h"

#include <QPainter>

namespace equations {

namespace {
using common::StrSingle;

QString answerOf(const Equation& v)
{
    if (!v.isQuadratic())
        return StrSingle(solution(v)).trimmed();
    const Solutions s = solutions(v);
    return v.letter + QStringLiteral(" = ") + StrSingle(s.s1).trimmed() + QStringLiteral(" of ") +
           v.letter + QStringLiteral(" = ") + StrSingle(s.s2).trimmed();
}

// "x = 3 of x = -2", "3 of -2" or "3": the one or two numbers typed.
bool judge(const Equation& v, const QString& typed)
{
    QStringList parts = typed.split(QStringLiteral(" of "));
    for (QString& part : parts)
        part = part.mid(part.indexOf(QLatin1Char('=')) + 1).trimmed();
    return check(v, 1, parts.value(0), parts.value(1)).right;
}

// Each line of the fraction at its height on the run's picture area (twips).
void drawFraction(QPainter& p, const QRectF& r, const Equation& v)
{
    const double ascent = p.fontMetrics().ascent();
    for (const FractionLine& line : fractionLines(v))
        p.drawText(QPointF(r.left(), r.top() + line.height / 20.0 + ascent), line.text);
}
} // namespace

std::vector<worksheet::Item> sheetItems(const catalogue::Exercise& e, int level, int count,
                                        common::Random& random)
{
    std::vector<worksheet::Item> items;
    for (int n = 1; n <= count; ++n) {
        const Equation v = generate(worksheet::levelOfProblem(e, level, n), n, random);
        worksheet::Item item;
        const QString dots = worksheet::dots;
        item.blank = v.isQuadratic()
                         ? v.letter + QStringLiteral(" = ") + dots + QStringLiteral(" of ") +
                               v.letter + QStringLiteral(" = ") + dots
                         : answerPrompt(v).trimmed() + QLatin1Char(' ') + dots;
        item.problem = v.text + QChar(13) + item.blank;
        item.answer = answerOf(v);
        const Explanation u = explain(v);
        item.explanationTitle = u.title;
        item.explanation = u.text;
        item.room = worksheet::Room::Lines;
        if (v.isFraction())
            item.draw = [v](QPainter& p, const QRectF& r) { drawFraction(p, r, v); };
        item.check = [v](const QString& typed) { return judge(v, typed); };
        items.push_back(item);
    }
    return items;
}

} // namespace equations
