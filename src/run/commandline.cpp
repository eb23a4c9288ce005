#include "commandline.h"

#include <QDir>

QString startUsage()
{
    return QStringLiteral(
        "Gebruik: telkompas [--resultaten MAP] [--overzicht [MAP]]\n"
        "         telkompas --werkblad OEFENING NIVEAU [--aantal N] [--versies V]\n"
        "                   [--blad NUMMER] [--sleutel-apart] -o BESTAND.pdf\n"
        "  --resultaten MAP  de map van de resultatenbestanden\n"
        "  --overzicht [MAP] het overzicht van de klas (telkompas-overzicht)\n"
        "  --werkblad        een werkblad met antwoordsleutel als PDF; de sleutel komt\n"
        "                    na de bladen, of met --sleutel-apart in BESTAND-sleutel.pdf.\n"
        "                    OEFENING: hoeken, procenten, metriek, sommen, haakjes,\n"
        "                    ontbinden, vergelijkingen, grafieken; NIVEAU: het nummer\n"
        "                    of de naam uit het menu. Alle woorden en niveaus:\n"
        "                    telkompas --werkblad --help\n");
}

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
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            o.help = true;
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
