#include "programstart.h"

#include "app/formlist.h"
#include "app/overviewstart.h"
#include "app/sessionend.h"
#include "run/commandline.h"
#include "run/resultsfolder.h"
#include "ui/appsetup.h"
#include "ui/form.h"
#include "ui/formregistry.h"

#include <QApplication>
#include <cstdio>
#include <cstring>
#include <malloc.h>

int runPupilsProgram(int argc, char** argv, const std::function<void(QWidget*)>& menuShown)
{
    // Worksheets are for the teacher: the overview program makes them.
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--werkblad") == 0)
            return startOverview(argv);
    // One heap for all threads: what the font warm-up leaves behind is then
    // reused by the rest of the program instead of staying on a heap of its own.
    mallopt(M_ARENA_MAX, 1);
    FontWarmUp fonts;
    QApplication app(argc, argv);
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
    // Everything above goes on while the font configuration is read; the
    // menu is the first to draw text.
    fonts.finish();
    ui::Form* menu = ui::FormRegistry::instance().show(QStringLiteral("wismenu"));
    if (menu && menuShown)
        menuShown(menu);
    const int code = app.exec();
    ui::FormRegistry::instance().unloadAll();
    return code;
}
