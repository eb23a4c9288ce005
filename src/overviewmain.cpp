// telkompas-overzicht [MAP] [--resultaten MAP]: the teacher's class overview
// of MAP (default: the results folder), a program of its own.
// telkompas-overzicht --werkblad ...: a worksheet as a PDF (app/worksheets).

#include "app/overview/overviewwindow.h"
#include "app/worksheets/command.h"
#include "app/worksheets/dialog.h"
#include "run/commandline.h"
#include "run/resultsfolder.h"
#include "ui/appsetup.h"

#include <QApplication>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // A worksheet needs no screen: it is made where no display may be.
    bool worksheet = false;
    for (int i = 1; i < argc; ++i)
        worksheet = worksheet || std::strcmp(argv[i], "--werkblad") == 0;
    if (worksheet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    setUpApplication(app);
    if (worksheet)
        return worksheets::runCommand(QApplication::arguments().mid(1));
    // The same command line as `telkompas --overzicht`, which hands its own on.
    QStringList arguments = QApplication::arguments().mid(1);
    if (!arguments.contains(QStringLiteral("--overzicht")))
        arguments.prepend(QStringLiteral("--overzicht"));
    const StartOptions start =
        parseStartOptions(arguments, qEnvironmentVariable("TELKOMPAS_RESULTATEN"));
    if (!start.error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(start.error));
        return 2;
    }
    results::setFolder(start.resultsFolder);
    QApplication::setDesktopFileName(QStringLiteral("nl.telkompas.Overzicht"));
    overview::OverviewWindow window;
    window.offerWorksheets([&window] {
        worksheets::Dialog dialog(&window);
        dialog.exec();
    });
    window.open(start.overviewFolder);
    window.show();
    return app.exec();
}
