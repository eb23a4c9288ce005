#include "metricproblem.h"

#include "common/numbertext.h"
#include "metricunits.h"

#include <cmath>

namespace metric {

namespace {

// Accepts only pairs that a pupil can learn from: different sizes, and for
// areas and volumes no pair of are/ha/ca or of liter/cl/ml/cc with a big unit.
bool pairFits(const Problem& o)
{
    switch (o.level) {
    case areas:
        return o.fromSize != o.toSize && o.from + o.to < 16;
    case volumes:
        return o.fromSize != o.toSize && o.from + o.to < 10;
    default:
        return o.from != o.to;
    }
}

bool answerFits(double answer)
{
    const QString s = common::Str(answer);
    return s.size() < 10 && !s.contains(QLatin1Char('E'));
}

} // namespace

QString numberText(double x)
{
    QString s = common::Str(x);
    if (s.size() > 1 && s.at(1) == QLatin1Char('.'))
        s[0] = QLatin1Char('0');
    return s;
}

Problem generate(int level, common::Random& random)
{
    Problem o;
    o.level = level == areas || level == volumes ? level : lengths;
    const int n = unitCount(o.level);
    const int k = powerPerStep(o.level);
    double a = 0;
    do {
        o.from = random.draw(n, 1);
        o.to = random.draw(n, 1);
        const int g = random.draw(1000, 1);
        const int e = random.draw(6, 0);
        a = g / std::pow(10.0, e);
        o.fromSize = sizeIndex(o.level, o.from);
        o.toSize = sizeIndex(o.level, o.to);
        o.answer = a * std::pow(10.0, k * (o.fromSize - o.toSize));
        if (isCentiliter(o.level, o.from))
            o.answer /= 100;
        if (isCentiliter(o.level, o.to))
            o.answer *= 100;
    } while (!pairFits(o) || !answerFits(o.answer));

    o.number = numberText(a);
    o.answerText = numberText(o.answer);
    o.fromUnit = unit(o.level, o.from);
    o.toUnit = unit(o.level, o.to);
    return o;
}

QString spoken(const Problem& o)
{
    return o.number.trimmed() + QStringLiteral(" ") + o.fromUnit + QStringLiteral(" = … ") +
           o.toUnit;
}

} // namespace metric
