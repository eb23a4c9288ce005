#pragma once
// The program's command line:
//   telkompas --resultaten MAP   results files are written in MAP
//   telkompas --overzicht [MAP]  the teacher's class overview of MAP
//   telkompas --werkblad ...     a worksheet (made by the overview program)
//   telkompas --help             what the command line takes
// The environment variable TELKOMPAS_RESULTATEN gives the results folder
// when the command line does not. Without either, the working directory.

#include <QString>
#include <QStringList>

struct StartOptions {
    QString resultsFolder; // empty: the working directory
    bool overview = false;
    QString overviewFolder; // the folder the overview reads
    QString error;          // a message for the user when the line is wrong
    bool help = false;
};

// The text of --help.
QString startUsage();

// arguments without the program name; environment is the value of
// TELKOMPAS_RESULTATEN (empty when not set).
StartOptions parseStartOptions(const QStringList& arguments, const QString& environment);
