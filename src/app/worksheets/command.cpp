#include "command.h"

#include "request.h"
#include "write.h"

#include <cstdio>

namespace worksheets {

int runCommand(const QStringList& arguments)
{
    const Parsed parsed = parseArguments(arguments);
    if (parsed.help) {
        std::fputs(qPrintable(usage()), stdout);
        return 0;
    }
    QString error = parsed.error;
    if (error.isEmpty() && !write(parsed.request, &error))
        error += QStringLiteral("\nKies een map waarin geschreven mag worden.");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 2;
    }
    return 0;
}

} // namespace worksheets
