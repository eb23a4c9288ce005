// telkompas-overzicht [MAP] [--resultaten MAP]: the teacher's class overview
// of MAP (default: the results folder), a program of its own.

#include "app/overview/overviewwindow.h"
#include "run/commandline.h"
#include "run/resultsfolder.h"
#include "ui/appsetup.h"

#include <QApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    FontWarmUp fonts;
    QApplication app(argc, argv);
    fonts.finish();
    setUpApplication(app);
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
    window.open(start.overviewFolder);
    window.show();
    return app.exec();
}
