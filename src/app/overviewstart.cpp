#include "overviewstart.h"

#include <QDir>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>
#include <vector>

QString overviewProgram(const QString& programPath)
{
    return QFileInfo(programPath).absoluteDir().filePath(QStringLiteral("telkompas-overzicht"));
}

int startOverview(char** argv)
{
    const QString program =
        overviewProgram(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    const QByteArray path = QFile::encodeName(program);
    std::vector<char*> arguments{const_cast<char*>(path.constData())};
    for (char** a = argv + 1; *a; ++a)
        arguments.push_back(*a);
    arguments.push_back(nullptr);
    ::execv(path.constData(), arguments.data());
    std::fprintf(
        stderr, "%s\n",
        qPrintable(
            QStringLiteral("Het overzicht kan niet starten: %1 is niet gevonden.").arg(program)));
    return 2;
}
