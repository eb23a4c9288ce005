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
    verdict.right = isRight(problem.answer, common::Val(t));
    if (verdict.right) {
        verdict.history = question + QStringLiteral("   Goed");
        verdict.log = {verdict.history};
    } else {
        verdict.feedback = QStringLiteral("nee, het is ") + problem.answerText;
        verdict.history = question + QChar(13) + QStringLiteral(" Fout ,het is ") + answerWithUnit;
        verdict.log = {question + QStringLiteral("       Fout ,het is ") + answerWithUnit};
    }
    return verdict;
}

} // namespace metric
