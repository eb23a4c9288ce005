#include "equation.h"

#include "common/numbertext.h"

#include <cmath>
#include <cstdlib>

namespace equations {

using common::Random;
using common::Str;

namespace {

// ⌊r × 2⌋ = 1 negates.
int drawSign(Random& rnd)
{
    return rnd.draw(2, 0) == 1 ? -1 : 1;
}

// A number ⌊r × n⌋ + m, then a sign draw for it (the two draws in that order).
int signedDraw(Random& rnd, int n, int m)
{
    const int value = rnd.draw(n, m);
    return value * drawSign(rnd);
}

// ⌊r × 2⌋ = 1 gives plus, 0 gives minus.
int drawOperator(Random& rnd)
{
    return rnd.draw(2, 0) == 1 ? 1 : -1;
}

// A value k/den has at most two decimals when 100·k is a multiple of den.
bool hasTwoDecimals(int numerator, int denominator)
{
    return (100 * numerator) % denominator == 0;
}

bool isWhole(int numerator, int denominator)
{
    return numerator % denominator == 0;
}

// The letter term as the expanded quadratic writes it: " + 3x", " - x", or
// nothing for 0.
QString letterTerm(int coef, const QString& letter)
{
    if (coef > 0)
        return QStringLiteral(" + ") + coefficientText(coef) + letter;
    if (coef < 0)
        return QStringLiteral(" - ") + coefficientText(-coef) + letter;
    return {};
}

void coverUpLinear(Equation& v, Random& rnd)
{
    v.kind = 1;
    const bool level1 = v.level == 1;
    for (;;) {
        v.a = rnd.draw(10, 1);
        if (rnd.draw(3, 0) != 1)
            v.a = -v.a;
        v.b = level1 ? rnd.draw(49, 1) : rnd.draw(99, 1);
        v.c = level1 ? rnd.draw(100, -50) : rnd.draw(200, -100);
        v.e = drawOperator(rnd);
        const int numerator = v.c - v.e * v.b;
        const bool neat = level1 ? isWhole(numerator, v.a) : hasTwoDecimals(numerator, v.a);
        if (neat && v.c != 0 && std::abs(v.a) != 1)
            break;
    }
    v.text = QStringLiteral(" ") + coefficientText(v.a) + QStringLiteral(" ") + v.letter +
             QStringLiteral(" ") + operatorText(v, v.e) + Str(v.b) + QStringLiteral(" = ") +
             Str(v.c);
}

QString denominatorCoef(const Equation& v)
{
    return v.level == 1 ? QString() : Str(v.k);
}

void coverUpFraction(Equation& v, Random& rnd)
{
    v.kind = 2;
    v.letter = QStringLiteral("x");
    for (;;) {
        v.a = rnd.draw(100, -50);
        v.b = rnd.draw(9, 1);
        v.c = rnd.draw(20, -10);
        if (v.level == 1) {
            v.k = 1;
        } else {
            v.k = signedDraw(rnd, 3, 2);
        }
        v.e = drawOperator(rnd);
        if (v.a == 0 || v.c == 0 || std::abs(v.c) == 1)
            continue;
        // x = a / (k·c) - e·b / k = (a - c·e·b) / (c·k)
        if (isWhole(v.a - v.c * v.e * v.b, v.c * v.k))
            break;
    }
    v.text = QStringLiteral("      ") + Str(v.a) + QChar(13) +
             QStringLiteral(" -------------  = ") + Str(v.c) + QChar(13) + QStringLiteral("  (") +
             denominatorCoef(v) + QStringLiteral("x ") + operatorText(v, v.e) + Str(v.b) +
             QStringLiteral(")");
}

// a·x ± b = c·x ± d with |a| and |a - c| not 1. `limit` bounds a and c,
// `numberLimit` the numbers b and d; `twoDecimals` allows two decimals.
void balance(Equation& v, Random& rnd, int limit, int numberLimit, bool twoDecimals)
{
    v.kind = 1;
    for (;;) {
        v.a = signedDraw(rnd, limit, 1);
        v.b = rnd.draw(numberLimit, 2);
        v.e1 = drawOperator(rnd);
        do {
            v.c = signedDraw(rnd, limit, 1);
        } while (v.c == v.a || std::abs(v.c - v.a) == 1);
        v.d = rnd.draw(numberLimit, 2);
        v.e2 = drawOperator(rnd);
        const int numerator = v.e2 * v.d - v.e1 * v.b;
        const int denominator = v.a - v.c;
        const bool neat =
            twoDecimals ? hasTwoDecimals(numerator, denominator) : isWhole(numerator, denominator);
        if (neat && std::abs(v.a) != 1)
            break;
    }
    v.text = coefficientText(v.a) + v.letter + QStringLiteral(" ") + operatorText(v, v.e1) +
             Str(v.b) + QStringLiteral(" = ") + coefficientText(v.c) + v.letter +
             operatorText(v, v.e2) + Str(v.d);
}

void brackets(Equation& v, Random& rnd)
{
    v.kind = 2;
    for (;;) {
        v.a = signedDraw(rnd, 10, 1);
        v.e1 = drawOperator(rnd);
        v.p = rnd.draw(4, 2);
        v.q = signedDraw(rnd, 10, 1);
        v.r = rnd.draw(10, 1);
        v.e3 = drawOperator(rnd);
        do {
            v.c = signedDraw(rnd, 10, 1);
            v.d = rnd.draw(25, 2);
            v.e2 = drawOperator(rnd);
        } while (v.a + v.e1 * v.p * v.q == v.c);
        const int numerator = v.e2 * v.d - v.e1 * v.p * v.e3 * v.r;
        const int denominator = v.a + v.e1 * v.p * v.q - v.c;
        if (hasTwoDecimals(numerator, denominator) && numerator != 0)
            break;
    }
    v.text = coefficientText(v.a) + v.letter + QStringLiteral(" ") + operatorText(v, v.e1) +
             Str(v.p) + QStringLiteral("(") + coefficientText(v.q) + v.letter +
             operatorText(v, v.e3) + Str(v.r) + QStringLiteral(")=") + coefficientText(v.c) +
             v.letter + operatorText(v, v.e2) + Str(v.d);
}

void quadratic1(Equation& v, Random& rnd)
{
    v.a = rnd.draw(10, 1);
    v.e1 = drawOperator(rnd);
    v.c = rnd.draw(10, 1);
    v.e2 = drawOperator(rnd);
    v.solution1 = float(v.a);
    v.solution2 = float(v.c);
    const int S = v.e1 * v.a + v.e2 * v.c;
    const int P = v.e1 * v.a * v.e2 * v.c;
    const QString L = v.letter;
    switch (v.problemNumber % 3) {
    case 1:
        v.kind = 1;
        v.text = QStringLiteral(" ") + L + QStringLiteral("²") + letterTerm(S, L) +
                 (P > 0 ? QStringLiteral(" + ") + Str(P) : QStringLiteral(" - ") + Str(-P)) +
                 QStringLiteral(" = 0 ");
        break;
    case 0:
        v.kind = 2;
        v.text = QStringLiteral(" (") + L + operatorText(v, v.e1) + Str(v.a) +
                 QStringLiteral(")(") + L + QStringLiteral(" ") + operatorText(v, v.e2) + Str(v.c) +
                 QStringLiteral(") = 0 ");
        break;
    default: {
        v.kind = 3;
        do {
            v.d = rnd.draw(10, 1);
            v.f = rnd.draw(10, 1);
            v.e3 = drawOperator(rnd);
        } while (v.d == S || v.e3 * v.f == P);
        const int T1 = S + v.d;
        const int T0 = P + v.e3 * v.f;
        QString t = QStringLiteral(" ") + L + QStringLiteral("²") + letterTerm(T1, L);
        if (T0 > 0)
            t += QStringLiteral("+ ") + Str(T0);
        else if (T0 < 0)
            t += QStringLiteral("- ") + Str(-T0);
        t += QStringLiteral(" = ") + coefficientText(v.d) + L;
        const int ef = v.e3 * v.f;
        t += ef > 0 ? QStringLiteral(" + ") + Str(ef) : QStringLiteral(" - ") + Str(-ef);
        v.text = t;
        break;
    }
    }
}

// ⌊r × 9 + 0.5⌋ with 9 counted as 0: 0 to 8, each with chance 1/9.
int zeroToEight(Random& rnd)
{
    const int p = static_cast<int>(std::floor(rnd.rnd() * 9 + 0.5));
    return p == 9 ? 0 : p;
}

void writeQuadratic2(Equation& v);

// A·x² ± B(x ± q)(x ± s) = K1·x + K0 reducing to (A + e·B)(x + R1)(x + R2) = 0.
// R1 and R2 are kept doubled (R1x2) so that halves stay whole numbers.
void quadratic2(Equation& v, Random& rnd)
{
    const bool halves = (v.problemNumber + 3) % 4 == 0;
    for (;;) {
        const int p1 = zeroToEight(rnd);
        const int p2 = zeroToEight(rnd);
        if (p1 == 0 && p2 == 0)
            continue;
        const int s1 = rnd.draw(2, 0) == 0 ? -1 : 1;
        const int s2 = rnd.draw(2, 0) == 0 ? -1 : 1;
        int R1x2 = 2 * p1;
        int R2x2 = 2 * p2;
        v.kind = 0;
        if (halves) {
            v.kind = 1;
            R1x2 = 2 * s1 * p1 + 1;
            R2x2 = v.problemNumber > 4 ? 2 * s2 * p2 + 1 : 2 * s2 * p2;
        }
        do {
            v.A = rnd.draw(4, 1);
            if (rnd.draw(2, 0) == 0)
                v.A = -v.A;
            v.B = rnd.draw(4, 1);
            v.e = drawOperator(rnd);
        } while (v.A + v.e * v.B == 0);
        v.q = rnd.draw(9, 1);
        v.e4 = drawOperator(rnd);
        v.s = rnd.draw(9, 1);
        v.e5 = drawOperator(rnd);

        const int eB = v.e * v.B;
        const int factor = v.A + eB;
        // K1 = e·B·(e4·q + e5·s) - (A + e·B)·(R1 + R2), times 2
        const int K1x2 = 2 * eB * (v.e4 * v.q + v.e5 * v.s) - factor * (R1x2 + R2x2);
        // K0 = e·B·e4·q·e5·s - (A + e·B)·R1·R2, times 4
        const int K0x4 = 4 * eB * v.e4 * v.q * v.e5 * v.s - factor * R1x2 * R2x2;
        // Whole solutions always give whole K1 and K0; halves need a factor
        // that is a multiple of 4.
        const bool neat = v.kind == 0 || factor % 4 == 0;
        if (!neat)
            continue;
        v.K1 = K1x2 / 2;
        v.K0 = K0x4 / 4;
        if (std::abs(v.K1) < 100 && std::abs(v.K0) < 100) {
            v.solution1 = float(R1x2) / 2;
            v.solution2 = float(R2x2) / 2;
            break;
        }
    }
    writeQuadratic2(v);
}

// The text of a level 6 equation: "2x² -3(x+4)(x-5)=7x-2".
void writeQuadratic2(Equation& v)
{
    const QString L = v.letter;
    QString t = coefficientText(v.A) + L + QStringLiteral("² ") + operatorText(v, v.e) +
                coefficientText(v.B) + QStringLiteral("(") + L + operatorText(v, v.e4) + Str(v.q) +
                QStringLiteral(")(") + L + operatorText(v, v.e5) + Str(v.s) + QStringLiteral(")=");
    if (v.K1 == 0 && v.K0 == 0) {
        t += Str(0); // a right side of nothing would read as a broken equation
    } else {
        t += coefficientText(v.K1);
        if (v.K1 != 0)
            t += L;
        if (v.K1 != 0 && v.K0 > 0)
            t += QStringLiteral("+");
        if (v.K0 < 0)
            t += QStringLiteral("-");
        if (v.K0 != 0)
            t += Str(std::abs(v.K0));
    }
    v.text = t;
}

const char* const letters[] = {"x", "p", "a", "t"};

} // namespace

Equation generate(int level, int problemNumber, Random& rnd)
{
    Equation v;
    v.level = level;
    v.problemNumber = problemNumber;
    v.letter = QString::fromLatin1(letters[rnd.draw(4, 0)]);
    switch (level) {
    case 1:
    case 2:
        if ((problemNumber + 2) % 4 != 0)
            coverUpLinear(v, rnd);
        else
            coverUpFraction(v, rnd);
        break;
    case 3:
        balance(v, rnd, 10, 25, false);
        break;
    case 4:
        if ((problemNumber + 1) % 2 == 0)
            brackets(v, rnd);
        else
            balance(v, rnd, 20, 95, true);
        break;
    case 5:
        quadratic1(v, rnd);
        break;
    default:
        v.level = 6;
        quadratic2(v, rnd);
        break;
    }
    return v;
}

QString coefficientText(int k)
{
    if (k == 0 || k == 1)
        return {};
    if (k == -1)
        return QStringLiteral("-");
    return Str(k);
}

void appendCoefficient(QString& explanationText, int k)
{
    explanationText += coefficientText(k);
}

QString answerPrompt(const Equation& v)
{
    return QStringLiteral(" ") + v.letter + QStringLiteral(" =");
}

QString operatorText(const Equation& v, int factor)
{
    const bool brief = v.level == 6 || v.isBracketForm();
    if (brief)
        return factor > 0 ? QStringLiteral("+") : QStringLiteral("-");
    return factor > 0 ? QStringLiteral(" + ") : QStringLiteral(" - ");
}

QString logText(const Equation& v)
{
    if (!v.isFraction())
        return v.text;
    return QStringLiteral(" ") + Str(v.a) + QStringLiteral(" / (") + denominatorCoef(v) +
           QStringLiteral("x ") + operatorText(v, v.e) + Str(v.b) + QStringLiteral(") = ") +
           Str(v.c);
}

QList<FractionLine> fractionLines(const Equation& v)
{
    return {
        {20, QStringLiteral("      ") + Str(v.a)},
        {50, QStringLiteral(" _______")},
        {150, QStringLiteral("                     = ") + Str(v.c)},
        {350, QStringLiteral(" (") + denominatorCoef(v) + QStringLiteral("x ") +
                  operatorText(v, v.e) + Str(v.b) + QStringLiteral(")")},
    };
}

} // namespace equations
