#include "app/formlist.h"
#include "app/overviewstart.h"
#include "app/sessionend.h"
#include "run/commandline.h"
#include "run/resultsfolder.h"
#include "ui/appsetup.h"
#include "ui/formregistry.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // Worksheets are for the teacher: the overview program makes them.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--werkblad") == 0)
            return startOverview(argv);
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    setUpApplication(app);
    const StartOptions start = parseStartOptions(QApplication::arguments().mid(1),
                                                 qEnvironmentVariable("TELKOMPAS_RESULTATEN"));
    if (!start.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(start.error));
        return 2;
    }
    if (start.help) {
        std::fputs(qPrintable(startUsage()), stdout);
        return 0;
    }
    if (start.overview)
        return startOverview(argv);
    results::setFolder(start.resultsFolder);
    registerForms();
    endRunsWhenStopped(app);
    ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    const int code = app.exec();
    ui::FormRegistry::instance().unloadAll();
    return code;
}
