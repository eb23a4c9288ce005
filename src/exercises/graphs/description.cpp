#include "description.h"

#include "common/numbertext.h"
#include "rows.h"

#include <QStringList>
#include <cmath>
#include <optional>

namespace graphs {

namespace {

constexpr int meesteSnijpunten = 10;

QString getal(double v)
{
    const double r = common::roundHalfEven(v, 2);
    return common::Str(r == 0 ? 0.0 : r).trimmed();
}

// The curve sampled in the picture's columns; nothing where it is undefined.
struct Kromme {
    const CompiledFormula& formule;
    AsLetters as;
    std::optional<double> waarde(double x) const
    {
        const float y = funktiewaarde(formule, x);
        if (y == onbepaald || !std::isfinite(y))
            return std::nullopt;
        return double(y);
    }
    double x(int kolom) const { return kolomX(kolom, as.xschaal); }
    bool inVenster(double y) const { return std::fabs(y) <= 10 * as.yschaal; }
    QString bij(double x) const { return QString(as.variabele) + QStringLiteral(" = ") + getal(x); }
};

// A zero between two columns of opposite sign, found by halving; nothing
// when the sign changes at a jump (as at a pole) instead.
std::optional<double> nulpunt(const Kromme& k, double a, double b)
{
    for (int i = 0; i < 60; ++i) {
        const double m = (a + b) / 2;
        const auto ya = k.waarde(a), ym = k.waarde(m);
        if (!ya || !ym)
            return std::nullopt;
        ((*ya < 0) == (*ym < 0) ? a : b) = m;
    }
    const auto y = k.waarde(a);
    if (!y || std::fabs(*y) > 1e-3 * k.as.yschaal)
        return std::nullopt;
    return a;
}

QString snijpuntenXas(const Kromme& k)
{
    QStringList punten;
    bool meer = false;
    int nullen = 0;
    std::optional<double> vorige;
    for (int i = 0; i < kolommen; ++i) {
        const auto y = k.waarde(k.x(i));
        std::optional<double> nul;
        if (y && *y == 0) {
            nul = k.x(i);
            ++nullen;
        } else if (y && vorige && *vorige != 0 && (*vorige < 0) != (*y < 0))
            nul = nulpunt(k, k.x(i - 1), k.x(i));
        vorige = y;
        if (!nul)
            continue;
        if (punten.size() == meesteSnijpunten)
            meer = true;
        else if (punten.isEmpty() || punten.last() != QStringLiteral("bij ") + k.bij(*nul))
            punten << QStringLiteral("bij ") + k.bij(*nul);
    }
    const QString as = QStringLiteral("de ") + k.as.variabele + QStringLiteral("-as");
    if (nullen > kolommen / 2)
        return QStringLiteral("De grafiek valt samen met ") + as + QLatin1Char('.');
    if (punten.isEmpty())
        return QStringLiteral("De grafiek snijdt ") + as + QStringLiteral(" niet.");
    return QStringLiteral("De grafiek snijdt ") + as + QLatin1Char(' ') +
           punten.join(QStringLiteral(", ")) + (meer ? QStringLiteral(" en vaker") : QString()) +
           QLatin1Char('.');
}

QString snijpuntYas(const Kromme& k)
{
    const auto y = k.waarde(0);
    if (!y)
        return QStringLiteral(" Bij ") + k.bij(0) + QStringLiteral(" is hij niet gedefinieerd.");
    return QStringLiteral(" Hij snijdt de ") + k.as.functieletter + QStringLiteral("-as bij ") +
           QString(k.as.functieletter) + QStringLiteral(" = ") + getal(*y) + QLatin1Char('.');
}

QString uitersten(const Kromme& k)
{
    std::optional<int> hoogste, laagste;
    bool erboven = false, eronder = false;
    for (int i = 0; i < kolommen; ++i) {
        const auto y = k.waarde(k.x(i));
        if (!y)
            continue;
        erboven = erboven || *y > 10 * k.as.yschaal;
        eronder = eronder || *y < -10 * k.as.yschaal;
        if (!k.inVenster(*y))
            continue;
        if (!hoogste || *y > *k.waarde(k.x(*hoogste)))
            hoogste = i;
        if (!laagste || *y < *k.waarde(k.x(*laagste)))
            laagste = i;
    }
    if (!hoogste)
        return QStringLiteral(" In het venster is hij niet te zien.");
    const auto punt = [&](int i) {
        return k.bij(k.x(i)) + QStringLiteral(", ") + QString(k.as.functieletter) +
               QStringLiteral(" = ") + getal(*k.waarde(k.x(i)));
    };
    const QString boven = erboven ? QStringLiteral(" Hij loopt boven het venster uit.")
                                  : QStringLiteral(" Het hoogste punt in het venster is bij ") +
                                        punt(*hoogste) + QLatin1Char('.');
    const QString onder = eronder ? QStringLiteral(" Hij loopt onder het venster uit.")
                                  : QStringLiteral(" Het laagste punt in het venster is bij ") +
                                        punt(*laagste) + QLatin1Char('.');
    return boven + onder;
}

QString ongedefinieerd(const Kromme& k)
{
    QStringList stukken;
    int begin = -1;
    for (int i = 0; i <= kolommen; ++i) {
        const bool weg = i < kolommen && !k.waarde(k.x(i));
        if (weg && begin < 0)
            begin = i;
        if (weg || begin < 0)
            continue;
        stukken << (begin == i - 1 ? QStringLiteral("bij ") + k.bij(k.x(begin))
                                   : QStringLiteral("van ") + k.bij(k.x(begin)) +
                                         QStringLiteral(" tot ") + k.bij(k.x(i - 1)));
        begin = -1;
    }
    if (stukken.isEmpty())
        return {};
    return QStringLiteral(" Hij is niet gedefinieerd ") + stukken.join(QStringLiteral(", ")) +
           QLatin1Char('.');
}

QString waarden(const Kromme& k)
{
    QStringList w;
    for (int x = -5; x <= 5; ++x) {
        const auto y = k.waarde(x);
        w << QStringLiteral("bij ") + k.bij(x) +
                 (y ? QStringLiteral(" is ") + QString(k.as.functieletter) + QStringLiteral(" = ") +
                          getal(*y)
                    : QStringLiteral(" niet gedefinieerd"));
    }
    return QStringLiteral(" Waarden: ") + w.join(QStringLiteral("; ")) + QLatin1Char('.');
}

} // namespace

QString beschrijving(const CompiledFormula& formula, const AsLetters& as)
{
    const Kromme k{formula, as};
    return snijpuntenXas(k) + snijpuntYas(k) + uitersten(k) + ongedefinieerd(k) + waarden(k);
}

} // namespace graphs
