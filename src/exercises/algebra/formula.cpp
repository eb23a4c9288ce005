#include "formula.h"

#include <cmath>
#include <limits>

namespace algebra {

namespace {

// a ^ b at one point. A value that is no longer finite stays so (NaN), so
// that the end result becomes `onbepaald`; pow itself would turn inf^0 into 1.
inline double macht(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::numeric_limits<double>::quiet_NaN();
    if (a < 0 && b > -1 && b < 1)
        return onbepaald;
    if (b == 2)
        return a * a;
    if (b == 3)
        return a * a * a;
    return std::pow(a, b);
}

// Evaluates the list at N points at once: each token is one sweep over the
// points, so the text and the token kinds are looked at once per sweep.
template <int N> void evalueer(const Formule& f, const double* x, double* uit)
{
    if (f.foutief || f.deling) {
        for (int i = 0; i < N; ++i)
            uit[i] = onbepaald;
        return;
    }
    std::vector<double> stapel(std::size_t(f.diepte) * N);
    double* top = stapel.data(); // first free row
    for (const Token& t : f.postfix) {
        switch (t.soort) {
        case Token::Soort::Getal:
            for (int i = 0; i < N; ++i)
                top[i] = t.waarde;
            top += N;
            continue;
        case Token::Soort::Letter:
            for (int i = 0; i < N; ++i)
                top[i] = x[i];
            top += N;
            continue;
        default:
            break;
        }
        double* a = top - 2 * N;
        const double* b = top - N;
        switch (t.soort) {
        case Token::Soort::Plus:
            for (int i = 0; i < N; ++i)
                a[i] += b[i];
            break;
        case Token::Soort::Min:
            for (int i = 0; i < N; ++i)
                a[i] -= b[i];
            break;
        case Token::Soort::Maal:
            for (int i = 0; i < N; ++i)
                a[i] *= b[i];
            break;
        default: // Macht; Deel never gets here
            for (int i = 0; i < N; ++i)
                a[i] = macht(a[i], b[i]);
            break;
        }
        top -= N;
    }
    for (int i = 0; i < N; ++i)
        uit[i] = std::isfinite(stapel[i]) ? stapel[i] : onbepaald;
}

const std::array<double, aantalMeetpunten>& meetpuntenDubbel()
{
    static const std::array<double, aantalMeetpunten> punten = [] {
        std::array<double, aantalMeetpunten> p{};
        for (int i = 0; i < aantalMeetpunten; ++i)
            p[i] = meetpunten()[i];
        return p;
    }();
    return punten;
}

} // namespace

const std::array<float, aantalMeetpunten>& meetpunten()
{
    static const std::array<float, aantalMeetpunten> punten = [] {
        std::array<float, aantalMeetpunten> p{};
        for (int i = 1; i <= aantalMeetpunten; ++i)
            p[i - 1] = static_cast<float>(i / 10.0 - 10);
        return p;
    }();
    return punten;
}

double funktiewaarde(const Formule& f, float xwaarde)
{
    const double x = xwaarde;
    double y;
    evalueer<1>(f, &x, &y);
    return y;
}

std::int32_t afgerond(double y)
{
    if (!(y <= 60000))
        return 6000000;
    // A hundredfold a hair below a whole number counts as that number: two
    // ways of writing one polynomial round differently in the last bits,
    // and where the exact value is a whole hundredth (at a turning point,
    // where the meetpunt's own error cancels) the floor would tell them apart.
    const double honderd = std::floor(100 * y + 1e-6);
    if (honderd < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(honderd);
}

Waarden waarden(const Formule& f)
{
    std::array<double, aantalMeetpunten> y;
    evalueer<aantalMeetpunten>(f, meetpuntenDubbel().data(), y.data());
    Waarden w;
    for (int i = 0; i < aantalMeetpunten; ++i)
        w[i] = afgerond(y[i]);
    return w;
}

bool gelijk(const Formule& f, const Waarden& doel)
{
    return !f.foutief && waarden(f) == doel;
}

Waarden waardenVanOpgave(const QString& tekst, QChar letter)
{
    // A problem is written with a leading blank; read after it, so that a
    // leading minus is the sign of the first term.
    qsizetype begin = 0;
    while (begin < tekst.size() && tekst[begin] == QLatin1Char(' '))
        ++begin;
    QString invoer = tekst.mid(begin);
    return waarden(prefix_suffix(invoer, letter));
}

} // namespace algebra
