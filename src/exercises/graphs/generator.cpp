#include "generator.h"

#include "common/numbertext.h"

#include <cmath>

namespace graphs {

using common::Str;

namespace {

constexpr int mixedKinds[] = {3, 4, 6, 7, 8};

// Int(r * n) + m with a fresh draw.
int draw(common::Random& random, int n, int m)
{
    return random.draw(n, m);
}
// Int(r * f + add) for the draws that add a fraction before rounding down.
int drawShifted(common::Random& random, double f, double add)
{
    return static_cast<int>(std::floor(random.rnd() * f + add));
}

QString drawSign(common::Random& random)
{
    return draw(random, 2, 0) == 1 ? QStringLiteral(" + ") : QStringLiteral(" - ");
}

int chooseMixedKind(UsedKinds& used, common::Random& random)
{
    int count = 0;
    for (int k : mixedKinds)
        count += used[k] ? 0 : 1;
    if (count == 0) {
        for (int k = 1; k <= 8; ++k)
            used[k] = false;
        count = 5;
    }
    const int n = draw(random, count, 1);
    int seen = 0;
    for (int k : mixedKinds) {
        if (!used[k] && ++seen == n) {
            used[k] = true;
            return k;
        }
    }
    return mixedKinds[0]; // not reached: n lies within the count
}

void drawLetters(Problem& f, common::Random& random)
{
    static const char pairs[4][2] = {{'x', 'y'}, {'t', 'z'}, {'a', 'b'}, {'q', 'p'}};
    const int k = draw(random, 4, 0);
    f.variable = QLatin1Char(pairs[k][0]);
    f.functionLetter = QLatin1Char(pairs[k][1]);
}

void drawScales(Problem& f, common::Random& random)
{
    static const double scales[3][2] = {{2, 1}, {1, 2}, {2, 5}};
    const int k = draw(random, 3, 0);
    f.xScale = scales[k][0];
    f.yScale = scales[k][1];
}

void line(Problem& f, common::Random& random)
{
    int drawn;
    do
        drawn = drawShifted(random, 10, 0.8);
    while (drawn == 7);
    double s = drawn;
    if (drawn == 10)
        s = 0.5;
    else if (drawn > 5)
        s = 1.0 / (drawn - 4);
    if (draw(random, 2, 0) == 1)
        s = -s;
    const int m = drawShifted(random, 9, 0.8);
    const QString sign = drawSign(random);
    f.formula = coefficientText(float(s)) + f.variable;
    if (m != 0)
        f.formula += sign + Str(m);
}

// "+ 3" for a positive shift, " - " and the size otherwise (also for 0).
QString shift(double v)
{
    return v > 0 ? QStringLiteral("+") + Str(v) : QStringLiteral(" - ") + Str(std::fabs(v));
}

void parabola(Problem& f, common::Random& random)
{
    int p, q, e, a;
    double m;
    float top;
    for (;;) {
        p = draw(random, 18, -9);
        q = draw(random, 18, -9);
        e = draw(random, 10, -4);
        if (e % 5 == 0)
            e = 0;
        a = draw(random, 4, 1);
        if (a == 4)
            a = -1;
        m = (p + q) / 2.0;
        top = static_cast<float>(a * (m - p) * (m - q) + e);
        if (top > -10 && top < 10 && (e == 0 || top == std::floor(top)))
            break;
    }
    const QString x = f.variable;
    if (e == 0) {
        f.formula = coefficientText(float(a)) + "(" + x + shift(p) + ")(" + x + shift(q) + ")";
    } else {
        f.formula = coefficientText(float(a)) + "(" + x + shift(m) + ")^2";
        if (top > 0)
            f.formula += QStringLiteral(" + ") + common::StrSingle(top);
        else if (top < 0)
            f.formula += QStringLiteral(" - ") + common::StrSingle(-top);
    }
}

int changedCount(double a, double d, double b, double c)
{
    return (a != 1) + (d != 0) + (b != 1) + (c != 0);
}

void trigonometric(Problem& f, int kind, common::Random& random)
{
    constexpr double piMarker = 5; // b drawn as 5 stands for pi
    double a, d, b;
    int c;
    const bool halfScale = f.yScale == 0.5;
    const int wanted = kind == 4 ? 2 : 3;
    do {
        a = halfScale ? drawShifted(random, 3, 1) : drawShifted(random, 6, 1);
        d = halfScale ? drawShifted(random, 7, -3) : drawShifted(random, 10, -3);
        b = drawShifted(random, 5, 1);
        if (b == 4)
            b = 0.5;
        c = draw(random, 8, 0);
        if (c > 3)
            c = 0;
        if (c != 0)
            b = 1;
    } while (changedCount(a, d, b, c) != wanted);

    const QString sign = drawSign(random);
    const int w = draw(random, 10, 0);
    const QString factor = b == piMarker ? QStringLiteral(" pi ") : coefficientText(float(b));
    QString argument = (c != 0 ? QStringLiteral("(") : QString()) + factor + f.variable;
    if (c != 0)
        argument += sign + Str(c) + ")";
    if (w >= 3) {
        f.formula =
            (d != 0 ? Str(d) + "+" : QString()) + coefficientText(float(a)) + "sin" + argument;
    } else if (w == 2) {
        double bt = drawShifted(random, 5, 1);
        if (bt == 4)
            bt = 0.5;
        f.formula = QStringLiteral("tan ") +
                    (bt == piMarker ? QStringLiteral(" 0.5pi ") : coefficientText(float(bt))) +
                    f.variable;
    } else {
        f.formula = coefficientText(float(a)) + "cos" + argument;
    }
}

void squareRoot(Problem& f, common::Random& random)
{
    double a, d, b;
    int c;
    for (;;) {
        a = drawShifted(random, 8, -4);
        if (a == -4)
            a = -0.5;
        d = drawShifted(random, 10, -5);
        b = draw(random, 2, 0);
        if (b == 0)
            b = -1;
        c = draw(random, 10, -5);
        const int n = changedCount(a, d, b, c);
        if (a != 0 && d != 0 && (n == 2 || n == 3))
            break;
    }
    QString sign = drawSign(random);
    if (c < 0) {
        sign = sign == QStringLiteral(" + ") ? QStringLiteral(" - ") : QStringLiteral(" + ");
        c = -c;
    }
    f.formula = Str(d) + (a > 0 ? "+" : "-") + coefficientText(float(std::fabs(a))) + "sqr(" +
                coefficientText(float(b)) + f.variable;
    if (c != 0)
        f.formula += sign + Str(c);
    f.formula += ")";
}

// "a/ (x + p)  + q" and "2 ^ (x + p)  + q".
void shifted(Problem& f, int kind, common::Random& random)
{
    int a = 1, p, q;
    for (;;) {
        if (kind == 7)
            a = drawShifted(random, 6, -2);
        p = drawShifted(random, 10, -5);
        q = drawShifted(random, 10, -5);
        if (kind == 7 ? (a != 0 && (a != 1) + (p != 0) + (q != 0) >= 2) : (p != 0 || q != 0))
            break;
    }
    const QString first = drawSign(random);
    const QString second = drawSign(random);
    const QString head = kind == 7 ? Str(a) + "/ (" : QStringLiteral("2 ^ (");
    f.formula = head + f.variable + first + Str(p) + ") " + second + Str(q);
}

} // namespace

QString coefficientText(float c)
{
    if (c == 0 || c == 1)
        return QString();
    if (c == -1)
        return QStringLiteral("-");
    return common::StrSingle(c);
}

int firstMixedKind(UsedKinds& used1, common::Random& random)
{
    int k;
    do
        k = draw(random, 6, 3);
    while (k == 5);
    used1[k] = true;
    return k;
}

Problem generate(int kind, bool mixed, UsedKinds& used, common::Random& random)
{
    random.randomize();
    Problem f;
    if (mixed)
        kind = chooseMixedKind(used, random);
    if (kind < 1 || kind > 8)
        kind = 1;
    f.kind = kind;
    drawLetters(f, random);
    drawScales(f, random);
    if (kind != 2 && kind != 5) {
        f.xScale = 1;
        f.yScale = 1;
    }
    if (kind == 4) {
        f.variable = QLatin1Char('x');
        f.functionLetter = QLatin1Char('y');
    }
    if (kind == 5) {
        if (f.yScale == 5)
            f.yScale = 1;
        else if (f.yScale == 2)
            f.yScale = 0.5;
    }
    switch (kind) {
    case 1:
    case 2:
        line(f, random);
        break;
    case 3:
        parabola(f, random);
        break;
    case 4:
    case 5:
        trigonometric(f, kind, random);
        break;
    case 6:
        squareRoot(f, random);
        break;
    default:
        shifted(f, kind, random);
        break;
    }
    return f;
}

} // namespace graphs
