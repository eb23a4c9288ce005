#include "antwoord.h"

#include "common/numbertext.h"

#include <QRegularExpression>

namespace equations {

using common::StrSingle;

namespace {

Beoordeling lineair(const Vergelijking& v, int speler, const QString& getypt)
{
    const float x = oplossing(v);
    const QString antwoord = v.letter + QStringLiteral(" = ") + getypt;
    Beoordeling b;
    b.goed = leesAntwoord(getypt) == x;
    if (b.goed) {
        b.regel = logvorm(v) + QStringLiteral("      ") + antwoord + QStringLiteral("   Goed");
        b.verslagregel = b.regel;
        return b;
    }
    const QString juist = StrSingle(x);
    b.nee = QStringLiteral("nee, het is ") + juist;
    const QString begin = logvorm(v) + QStringLiteral("    ") + antwoord;
    if (speler == 1) {
        b.regel = begin + QStringLiteral("  Fout ,het is ") + juist;
        b.verslagregel = begin + QStringLiteral("        Fout ,het is ") + juist;
    } else {
        b.regel = begin + QStringLiteral(" Fout ,het is ") + juist;
        b.verslagregel = begin + QStringLiteral("       Fout ,het is ") + juist;
    }
    return b;
}

Beoordeling kwadratisch(const Vergelijking& v, int speler, const QString& eerste,
                        const QString& tweede)
{
    const Oplossingen s = oplossingen(v);
    const float x1 = leesAntwoord(eerste);
    const float x2 = tweede.isEmpty() ? x1 : leesAntwoord(tweede);
    const QString L = v.letter;
    const QString antwoord = L + QStringLiteral(" = ") + eerste + QStringLiteral(" of ") + L +
                             QStringLiteral(" = ") + tweede;
    Beoordeling b;
    b.goed = (s.s1 == x1 && s.s2 == x2) || (s.s2 == x1 && s.s1 == x2);
    if (b.goed) {
        if (speler == 1) {
            b.regel =
                logvorm(v) + QString(10, QLatin1Char(' ')) + antwoord + QStringLiteral("    Goed");
            b.verslagregel =
                logvorm(v) + QString(10, QLatin1Char(' ')) + antwoord + QStringLiteral("   Goed");
        } else {
            b.regel = logvorm(v) + QStringLiteral("    ") + antwoord + QStringLiteral("Goed");
            b.verslagregel = b.regel;
        }
        return b;
    }
    const QString juist = L + QStringLiteral(" = ") + StrSingle(s.s1) + QStringLiteral(" of ") + L +
                          QStringLiteral(" = ") + StrSingle(s.s2);
    b.nee = QStringLiteral("nee, ") + juist;
    const QString begin = logvorm(v) + QStringLiteral("   ") + antwoord;
    b.regel = begin + QChar(13) + QStringLiteral("Fout, het is ") + juist;
    const QString ruimte = speler == 1 ? QStringLiteral("        ") : QStringLiteral("       ");
    b.verslagregel = begin + ruimte + QStringLiteral("Fout, het is ") + juist;
    return b;
}

} // namespace

float leesAntwoord(const QString& getypt)
{
    // A fraction of two whole numbers, "7/2" or "-7/2": its value.
    static const QRegularExpression breuk(
        QStringLiteral("^\\s*(-?)\\s*(\\d{1,9})\\s*/\\s*(\\d{1,9})\\s*$"));
    const QRegularExpressionMatch m = breuk.match(getypt);
    if (m.hasMatch() && m.captured(3).toInt() != 0) {
        const float waarde = float(m.captured(2).toInt()) / float(m.captured(3).toInt());
        return m.captured(1).isEmpty() ? waarde : -waarde;
    }
    return static_cast<float>(common::Val(common::commaToPoint(getypt)));
}

Beoordeling beoordeel(const Vergelijking& v, int speler, const QString& eerste,
                      const QString& tweede)
{
    if (v.isKwadratisch())
        return kwadratisch(v, speler, eerste, tweede);
    return lineair(v, speler, eerste);
}

} // namespace equations
