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

const brackets::Problem& bracketsProblem()
{
    static const brackets::Problem o = [] {
        common::SeededRandom r(5);
        return brackets::generate(4, 1, r);
    }();
    return o;
}

const factoring::Problem& factoringProblem()
{
    static const factoring::Problem o = [] {
        common::SeededRandom r(5);
        return factoring::generate(3, 2, r);
    }();
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QChar letter = QLatin1Char("xapt"[data[0] & 3]);
    const char* text = reinterpret_cast<const char*>(data + 1);
    const auto length = qsizetype(size - 1);
    const QString typed =
        (data[0] & 4) ? QString::fromLatin1(text, length) : QString::fromUtf8(text, length);

    QString input = typed;
    const algebra::Formula f = algebra::readFormula(input, letter);
    const algebra::Values w = algebra::values(f);
    if (!f.failed) {
        if (f.postfix.size() > std::size_t(algebra::maxTokens))
            __builtin_trap();
        for (int i : {0, 90, 199})
            if (algebra::rounded(algebra::valueAt(f, algebra::samplePoints()[i])) != w[i])
                __builtin_trap();
        const algebra::Census t = algebra::takeCensus(input, letter);
        if (t.count > algebra::maxNumbers)
            __builtin_trap();
    }

    brackets::check(bracketsProblem(), typed);
    factoring::check(factoringProblem(), typed);
    return 0;
}
