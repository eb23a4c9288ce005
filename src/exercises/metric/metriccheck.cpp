#include "metriccheck.h"

#include "common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace metric {

bool isRight(double answer, double v)
{
    return std::fabs(answer - v) < 1e-12 * std::max(1.0, std::fabs(answer));
}

run::Verdict check(const Problem& problem, const QString& typed)
{
    const QString t = common::commaToPoint(typed);
    const QString question = problem.number + QLatin1Char(' ') + problem.fromUnit +
                             QStringLiteral(" = ") + t + QLatin1Char(' ') + problem.toUnit;
    const QString answerWithUnit = problem.answerText + QLatin1Char(' ') + problem.toUnit;

    run::Verdict verdict;
    verdict.goed = isRight(problem.answer, common::Val(t));
    if (verdict.goed) {
        verdict.historie = question + QStringLiteral("   Goed");
        verdict.verslag = {verdict.historie};
    } else {
        verdict.fout = QStringLiteral("nee, het is ") + problem.answerText;
        verdict.historie = question + QChar(13) + QStringLiteral(" Fout ,het is ") + answerWithUnit;
        verdict.verslag = {question + QStringLiteral("       Fout ,het is ") + answerWithUnit};
    }
    return verdict;
}

} // namespace metric
