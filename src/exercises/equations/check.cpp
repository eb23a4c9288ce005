#include "check.h"

#include "common/numbertext.h"

#include <QRegularExpression>

namespace equations {

using common::StrSingle;

namespace {

run::Verdict checkLinear(const Equation& v, int player, const QString& typed)
{
    const float x = solution(v);
    const QString answer = v.letter + QStringLiteral(" = ") + typed;
    run::Verdict verdict;
    verdict.right = readAnswer(typed) == x;
    if (verdict.right) {
        verdict.history =
            logText(v) + QStringLiteral("      ") + answer + QStringLiteral("   Goed");
        verdict.log = {verdict.history};
        return verdict;
    }
    const QString right = StrSingle(x);
    verdict.feedback = QStringLiteral("nee, het is ") + right;
    const QString begin = logText(v) + QStringLiteral("    ") + answer;
    if (player == 1) {
        verdict.history = begin + QStringLiteral("  Fout ,het is ") + right;
        verdict.log = {begin + QStringLiteral("        Fout ,het is ") + right};
    } else {
        verdict.history = begin + QStringLiteral(" Fout ,het is ") + right;
        verdict.log = {begin + QStringLiteral("       Fout ,het is ") + right};
    }
    return verdict;
}

run::Verdict checkQuadratic(const Equation& v, int player, const QString& first,
                            const QString& second)
{
    const Solutions s = solutions(v);
    const float x1 = readAnswer(first);
    const float x2 = second.isEmpty() ? x1 : readAnswer(second);
    const QString L = v.letter;
    const QString answer = L + QStringLiteral(" = ") + first + QStringLiteral(" of ") + L +
                           QStringLiteral(" = ") + second;
    run::Verdict verdict;
    verdict.right = (s.s1 == x1 && s.s2 == x2) || (s.s2 == x1 && s.s1 == x2);
    if (verdict.right) {
        if (player == 1) {
            verdict.history =
                logText(v) + QString(10, QLatin1Char(' ')) + answer + QStringLiteral("    Goed");
            verdict.log = {logText(v) + QString(10, QLatin1Char(' ')) + answer +
                           QStringLiteral("   Goed")};
        } else {
            verdict.history = logText(v) + QStringLiteral("    ") + answer + QStringLiteral("Goed");
            verdict.log = {verdict.history};
        }
        return verdict;
    }
    const QString right = L + QStringLiteral(" = ") + StrSingle(s.s1) + QStringLiteral(" of ") + L +
                          QStringLiteral(" = ") + StrSingle(s.s2);
    verdict.feedback = QStringLiteral("nee, ") + right;
    const QString begin = logText(v) + QStringLiteral("   ") + answer;
    verdict.history = begin + QChar(13) + QStringLiteral("Fout, het is ") + right;
    const QString spacing = player == 1 ? QStringLiteral("        ") : QStringLiteral("       ");
    verdict.log = {begin + spacing + QStringLiteral("Fout, het is ") + right};
    return verdict;
}

} // namespace

float readAnswer(const QString& typed)
{
    // A fraction of two whole numbers, "7/2" or "-7/2": its value.
    static const QRegularExpression fraction(
        QStringLiteral("^\\s*(-?)\\s*(\\d{1,9})\\s*/\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch m = fraction.match(typed);
    if (m.hasMatch() && m.captured(3).toInt() != 0) {
        const float value = float(m.captured(2).toInt()) / float(m.captured(3).toInt());
        return m.captured(1).isEmpty() ? value : -value;
    }
    return static_cast<float>(common::Val(common::commaToPoint(typed)));
}

run::Verdict check(const Equation& v, int player, const QString& first, const QString& second)
{
    if (v.isQuadratic())
        return checkQuadratic(v, player, first, second);
    return checkLinear(v, player, first);
}

float solution(const Equation& v)
{
    int numerator = 0;
    int denominator = 1;
    if (v.level <= 2 && !v.isFraction()) {
        numerator = v.c - v.e * v.b;
        denominator = v.a;
    } else if (v.isFraction()) {
        numerator = v.a - v.c * v.e * v.b;
        denominator = v.c * v.k;
    } else if (v.isBracketForm()) {
        numerator = v.e2 * v.d - v.e1 * v.p * v.e3 * v.r;
        denominator = v.a + v.e1 * v.p * v.q - v.c;
    } else {
        numerator = v.e2 * v.d - v.e1 * v.b;
        denominator = v.a - v.c;
    }
    return float(numerator) / float(denominator);
}

Solutions solutions(const Equation& v)
{
    if (v.level == 5)
        return {-float(v.e1) * v.solution1, -float(v.e2) * v.solution2};
    return {-v.solution1, -v.solution2};
}

} // namespace equations
