// Any typed text through the polynomial reader, evaluator and census, and
// through the judging of both algebra exercises. Nothing may crash or hang,
// and one point evaluated alone must give what the sweep over all points gives.

#include "exercises/algebra/brackets.h"
#include "exercises/algebra/census.h"
#include "exercises/algebra/factoring.h"
#include "exercises/algebra/formula.h"

#include <QString>
#include <cstddef>
#include <cstdint>

namespace {

const haakjes::Opgave& haakjesOpgave()
{
    static const haakjes::Opgave o = [] {
        common::SeededRandom r(5);
        return haakjes::maakformule(4, 1, r);
    }();
    return o;
}

const ontbinden::Opgave& ontbindenOpgave()
{
    static const ontbinden::Opgave o = [] {
        common::SeededRandom r(5);
        return ontbinden::maakformule(3, 2, r);
    }();
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar letter = QLatin1Char("xapt"[data[0] & 3]);
    const char* tekst = reinterpret_cast<const char*>(data + 1);
    const auto lengte = qsizetype(size - 1);
    const QString getypt =
        (data[0] & 4) ? QString::fromLatin1(tekst, lengte) : QString::fromUtf8(tekst, lengte);

    QString invoer = getypt;
    const algebra::Formule f = algebra::prefix_suffix(invoer, letter);
    const algebra::Waarden w = algebra::waarden(f);
    if (!f.foutief) {
        if (f.postfix.size() > std::size_t(algebra::maxTokens))
            __builtin_trap();
        for (int i : {0, 90, 199})
            if (algebra::afgerond(algebra::funktiewaarde(f, algebra::meetpunten()[i])) != w[i])
                __builtin_trap();
        const algebra::Telling t = algebra::telgetallen(invoer, letter);
        if (t.aantal > algebra::maxGetallen)
            __builtin_trap();
    }

    haakjes::beoordeel(haakjesOpgave(), getypt);
    ontbinden::beoordeel(ontbindenOpgave(), getypt);
    return 0;
}
