#include "formula.h"

#include <cmath>
#include <limits>

namespace algebra {

namespace {

// a ^ b at one point. A value that is no longer finite stays so (NaN), so
// that the end result becomes `undefined`; pow itself would turn inf^0 into 1.
inline double power(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::numeric_limits<double>::quiet_NaN();
    if (a < 0 && b > -1 && b < 1)
        return undefined;
    if (b == 2)
        return a * a;
    if (b == 3)
        return a * a * a;
    return std::pow(a, b);
}

// Evaluates the list at N points at once: each token is one sweep over the
// points, so the text and the token kinds are looked at once per sweep.
template <int N> void evaluate(const Formula& f, const double* x, double* out)
{
    if (f.failed || f.division) {
        for (int i = 0; i < N; ++i)
            out[i] = undefined;
        return;
    }
    std::vector<double> stack(std::size_t(f.depth) * N);
    double* top = stack.data(); // first free row
    for (const Token& t : f.postfix) {
        switch (t.kind) {
        case Token::Kind::Number:
            for (int i = 0; i < N; ++i)
                top[i] = t.value;
            top += N;
            continue;
        case Token::Kind::Letter:
            for (int i = 0; i < N; ++i)
                top[i] = x[i];
            top += N;
            continue;
        default:
            break;
        }
        double* a = top - 2 * N;
        const double* b = top - N;
        switch (t.kind) {
        case Token::Kind::Plus:
            for (int i = 0; i < N; ++i)
                a[i] += b[i];
            break;
        case Token::Kind::Minus:
            for (int i = 0; i < N; ++i)
                a[i] -= b[i];
            break;
        case Token::Kind::Times:
            for (int i = 0; i < N; ++i)
                a[i] *= b[i];
            break;
        default: // Power; Divide never gets here
            for (int i = 0; i < N; ++i)
                a[i] = power(a[i], b[i]);
            break;
        }
        top -= N;
    }
    for (int i = 0; i < N; ++i)
        out[i] = std::isfinite(stack[i]) ? stack[i] : undefined;
}

const std::array<double, samplePointCount>& samplePointsDouble()
{
    static const std::array<double, samplePointCount> points = [] {
        std::array<double, samplePointCount> p{};
        for (int i = 0; i < samplePointCount; ++i)
            p[i] = samplePoints()[i];
        return p;
    }();
    return points;
}

} // namespace

const std::array<float, samplePointCount>& samplePoints()
{
    static const std::array<float, samplePointCount> points = [] {
        std::array<float, samplePointCount> p{};
        for (int i = 1; i <= samplePointCount; ++i)
            p[i - 1] = static_cast<float>(i / 10.0 - 10);
        return p;
    }();
    return points;
}

double valueAt(const Formula& f, float xValue)
{
    const double x = xValue;
    double y;
    evaluate<1>(f, &x, &y);
    return y;
}

std::int32_t rounded(double y)
{
    if (!(y <= 60000))
        return 6000000;
    // A hundredfold a hair below a whole number counts as that number: two
    // ways of writing one polynomial round differently in the last bits,
    // and where the exact value is a whole hundredth (at a turning point,
    // where the sample point's own error cancels) the floor would tell them apart.
    const double hundredfold = std::floor(100 * y + 1e-6);
    if (hundredfold < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(hundredfold);
}

Values values(const Formula& f)
{
    std::array<double, samplePointCount> y;
    evaluate<samplePointCount>(f, samplePointsDouble().data(), y.data());
    Values w;
    for (int i = 0; i < samplePointCount; ++i)
        w[i] = rounded(y[i]);
    return w;
}

bool matches(const Formula& f, const Values& target)
{
    return !f.failed && values(f) == target;
}

Values problemValues(const QString& text, QChar letter)
{
    // A problem is written with a leading blank; read after it, so that a
    // leading minus is the sign of the first term.
    qsizetype begin = 0;
    while (begin < text.size() && text[begin] == QLatin1Char(' '))
        ++begin;
    QString input = text.mid(begin);
    return values(readFormula(input, letter));
}

} // namespace algebra
