#pragma once
// Playing a brackets or factoring run as two pupils do, and the results
// block the run should leave.

#include "common/numbertext.h"
#include "rundriver.h"

#include <QString>

namespace algebratest {

const QString CRLF = QStringLiteral("\r\n");

// The results block of a two-player run from each player's answer lines.
inline QByteArray blok(const QString& naam1, const QStringList& regels1, int goed1,
                       const QString& naam2, const QStringList& regels2, int goed2)
{
    auto deel = [](const QString& naam, const QStringList& regels, int goed) {
        QString s = naam + QStringLiteral(": (6-12-2026      10:15)") + CRLF;
        for (const QString& r : regels)
            s += CRLF + r;
        return s + CRLF + CRLF + QStringLiteral("eindresultaat: ") + common::Str(goed) +
               QStringLiteral(" goed van de ") + common::Str(int(regels.size()));
    };
    return (deel(naam1, regels1, goed1) + CRLF + CRLF + deel(naam2, regels2, goed2) + CRLF +
            QString(49, QLatin1Char('-')) + CRLF)
        .toUtf8();
}

// A right answer's results line; player 2 writes a shorter separator.
inline QString goedRegel(const QString& tekst, const QString& antwoord, int speler)
{
    return tekst + (speler == 1 ? QStringLiteral("          = ") : QStringLiteral("     = ")) +
           antwoord + QStringLiteral("   Goed");
}

inline QString foutRegel(const QString& tekst, const QString& antwoord, const QString& antw)
{
    return tekst + QStringLiteral("    = ") + antwoord + QStringLiteral("       Fout ,het is ") +
           antw;
}

} // namespace algebratest
