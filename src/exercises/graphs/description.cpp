#include "description.h"

#include "common/numbertext.h"
#include "rows.h"

#include <QStringList>
#include <cmath>
#include <optional>

namespace graphs {

namespace {

constexpr int maxCrossings = 10;

QString number(double v)
{
    const double r = common::roundHalfEven(v, 2);
    return common::Str(r == 0 ? 0.0 : r).trimmed();
}

// The curve sampled in the picture's columns; nothing where it is undefined.
struct Curve {
    const CompiledFormula& formula;
    Axes axes;
    std::optional<double> value(double x) const
    {
        const float y = valueAt(formula, x);
        if (y == undefined || !std::isfinite(y))
            return std::nullopt;
        return double(y);
    }
    double x(int column) const { return columnX(column, axes.xScale); }
    bool inWindow(double y) const { return std::fabs(y) <= 10 * axes.yScale; }
    QString at(double x) const
    {
        return QString(axes.variable) + QStringLiteral(" = ") + number(x);
    }
};

// A zero between two columns of opposite sign, found by halving; nothing
// when the sign changes at a jump (as at a pole) instead.
std::optional<double> findZero(const Curve& k, double a, double b)
{
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        const auto ya = k.value(a), ym = k.value(m);
        if (!ya || !ym)
            return std::nullopt;
        ((*ya < 0) == (*ym < 0) ? a : b) = m;
    }
    const auto y = k.value(a);
    if (!y || std::fabs(*y) > 1e-3 * k.axes.yScale)
        return std::nullopt;
    return a;
}

QString xAxisCrossings(const Curve& k)
{
    QStringList points;
    bool more = false;
    int zeros = 0;
    std::optional<double> previous;
    for (int i = 0; i < columns; ++i) {
        const auto y = k.value(k.x(i));
        std::optional<double> zero;
        if (y && *y == 0) {
            zero = k.x(i);
            ++zeros;
        } else if (y && previous && *previous != 0 && (*previous < 0) != (*y < 0))
            zero = findZero(k, k.x(i - 1), k.x(i));
        previous = y;
        if (!zero)
            continue;
        if (points.size() == maxCrossings)
            more = true;
        else if (points.isEmpty() || points.last() != QStringLiteral("bij ") + k.at(*zero))
            points << QStringLiteral("bij ") + k.at(*zero);
    }
    const QString axisName = QStringLiteral("de ") + k.axes.variable + QStringLiteral("-as");
    if (zeros > columns / 2)
        return QStringLiteral("De grafiek valt samen met ") + axisName + QLatin1Char('.');
    if (points.isEmpty())
        return QStringLiteral("De grafiek snijdt ") + axisName + QStringLiteral(" niet.");
    return QStringLiteral("De grafiek snijdt ") + axisName + QLatin1Char(' ') +
           points.join(QStringLiteral(", ")) + (more ? QStringLiteral(" en vaker") : QString()) +
           QLatin1Char('.');
}

QString yAxisCrossing(const Curve& k)
{
    const auto y = k.value(0);
    if (!y)
        return QStringLiteral(" Bij ") + k.at(0) + QStringLiteral(" is hij niet gedefinieerd.");
    return QStringLiteral(" Hij snijdt de ") + k.axes.functionLetter + QStringLiteral("-as bij ") +
           QString(k.axes.functionLetter) + QStringLiteral(" = ") + number(*y) + QLatin1Char('.');
}

QString extremes(const Curve& k)
{
    std::optional<int> highest, lowest;
    bool above = false, below = false;
    for (int i = 0; i < columns; ++i) {
        const auto y = k.value(k.x(i));
        if (!y)
            continue;
        above = above || *y > 10 * k.axes.yScale;
        below = below || *y < -10 * k.axes.yScale;
        if (!k.inWindow(*y))
            continue;
        if (!highest || *y > *k.value(k.x(*highest)))
            highest = i;
        if (!lowest || *y < *k.value(k.x(*lowest)))
            lowest = i;
    }
    if (!highest)
        return QStringLiteral(" In het venster is hij niet te zien.");
    const auto point = [&](int i) {
        return k.at(k.x(i)) + QStringLiteral(", ") + QString(k.axes.functionLetter) +
               QStringLiteral(" = ") + number(*k.value(k.x(i)));
    };
    const QString aboveText = above ? QStringLiteral(" Hij loopt boven het venster uit.")
                                    : QStringLiteral(" Het hoogste punt in het venster is bij ") +
                                          point(*highest) + QLatin1Char('.');
    const QString belowText = below ? QStringLiteral(" Hij loopt onder het venster uit.")
                                    : QStringLiteral(" Het laagste punt in het venster is bij ") +
                                          point(*lowest) + QLatin1Char('.');
    return aboveText + belowText;
}

QString undefinedParts(const Curve& k)
{
    QStringList pieces;
    int begin = -1;
    for (int i = 0; i <= columns; ++i) {
        const bool gone = i < columns && !k.value(k.x(i));
        if (gone && begin < 0)
            begin = i;
        if (gone || begin < 0)
            continue;
        pieces << (begin == i - 1 ? QStringLiteral("bij ") + k.at(k.x(begin))
                                  : QStringLiteral("van ") + k.at(k.x(begin)) +
                                        QStringLiteral(" tot ") + k.at(k.x(i - 1)));
        begin = -1;
    }
    if (pieces.isEmpty())
        return {};
    return QStringLiteral(" Hij is niet gedefinieerd ") + pieces.join(QStringLiteral(", ")) +
           QLatin1Char('.');
}

QString values(const Curve& k)
{
    QStringList w;
    for (int x = -5; x <= 5; ++x) {
        const auto y = k.value(x);
        w << QStringLiteral("bij ") + k.at(x) +
                 (y ? QStringLiteral(" is ") + QString(k.axes.functionLetter) +
                          QStringLiteral(" = ") + number(*y)
                    : QStringLiteral(" niet gedefinieerd"));
    }
    return QStringLiteral(" Waarden: ") + w.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace

QString description(const CompiledFormula& formula, const Axes& axes)
{
    const Curve k{formula, axes};
    return xAxisCrossings(k) + yAxisCrossing(k) + extremes(k) + undefinedParts(k) + values(k);
}

} // namespace graphs
