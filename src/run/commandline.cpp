#include "commandline.h"

#include <QDir>

StartOptions parseStartOptions(const QStringList& arguments, const QString& environment)
{
    StartOptions o;
    o.resultsFolder = environment;
    QString overviewFolder;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        const bool hasValue = i + 1 < arguments.size() && !arguments[i + 1].startsWith("--");
        if (a == QLatin1String("--resultaten")) {
            if (!hasValue) {
                o.error = QStringLiteral("Na --resultaten hoort de naam van een map.");
                return o;
            }
            o.resultsFolder = arguments[++i];
        } else if (a == QLatin1String("--overzicht")) {
            o.overview = true;
            if (hasValue)
                overviewFolder = arguments[++i];
        } else {
            o.error = QStringLiteral("Onbekende keuze: ") + a +
                      QStringLiteral("\nGebruik: telkompas [--resultaten MAP] [--overzicht [MAP]]");
            return o;
        }
    }
    if (o.overview) {
        o.overviewFolder = !overviewFolder.isEmpty()    ? overviewFolder
                           : !o.resultsFolder.isEmpty() ? o.resultsFolder
                                                        : QDir::currentPath();
    }
    return o;
}
