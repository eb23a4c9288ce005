// Feeds arbitrary text to the graph form's formula reader and evaluator: no
// input may crash, hang or leave a value that is not a number.

#include "exercises/graphs/formula.h"
#include "exercises/graphs/rows.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    static const char letters[] = {'x', 't', 'a', 'q'};
    const QChar variable = QLatin1Char(letters[data[0] % 4]);
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const graphs::Reading r = graphs::readFormula(text, variable);
    if (r.failed)
        return 0;
    if (r.postfix.size() > std::size_t(graphs::maxTokens))
        std::abort();
    static const double xs[] = {0, 0.001, -0.001, 1, -1, 3.5, -10, 20, 1e30};
    for (double x : xs) {
        const float y = graphs::valueAt(r.program, x);
        if (!std::isfinite(y) || std::isnan(graphs::rowOf(y, 0.5)))
            std::abort();
    }
    return 0;
}
