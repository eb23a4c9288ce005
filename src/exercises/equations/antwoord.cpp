#include "antwoord.h"

#include "common/numbertext.h"

#include <QRegularExpression>

namespace equations {

using common::StrSingle;

namespace {

run::Verdict lineair(const Vergelijking& v, int speler, const QString& getypt)
{
    const float x = oplossing(v);
    const QString antwoord = v.letter + QStringLiteral(" = ") + getypt;
    run::Verdict b;
    b.goed = leesAntwoord(getypt) == x;
    if (b.goed) {
        b.historie = logvorm(v) + QStringLiteral("      ") + antwoord + QStringLiteral("   Goed");
        b.verslag = {b.historie};
        return b;
    }
    const QString juist = StrSingle(x);
    b.fout = QStringLiteral("nee, het is ") + juist;
    const QString begin = logvorm(v) + QStringLiteral("    ") + antwoord;
    if (speler == 1) {
        b.historie = begin + QStringLiteral("  Fout ,het is ") + juist;
        b.verslag = {begin + QStringLiteral("        Fout ,het is ") + juist};
    } else {
        b.historie = begin + QStringLiteral(" Fout ,het is ") + juist;
        b.verslag = {begin + QStringLiteral("       Fout ,het is ") + juist};
    }
    return b;
}

run::Verdict kwadratisch(const Vergelijking& v, int speler, const QString& eerste,
                         const QString& tweede)
{
    const Oplossingen s = oplossingen(v);
    const float x1 = leesAntwoord(eerste);
    const float x2 = tweede.isEmpty() ? x1 : leesAntwoord(tweede);
    const QString L = v.letter;
    const QString antwoord = L + QStringLiteral(" = ") + eerste + QStringLiteral(" of ") + L +
                             QStringLiteral(" = ") + tweede;
    run::Verdict b;
    b.goed = (s.s1 == x1 && s.s2 == x2) || (s.s2 == x1 && s.s1 == x2);
    if (b.goed) {
        if (speler == 1) {
            b.historie =
                logvorm(v) + QString(10, QLatin1Char(' ')) + antwoord + QStringLiteral("    Goed");
            b.verslag = {logvorm(v) + QString(10, QLatin1Char(' ')) + antwoord +
                         QStringLiteral("   Goed")};
        } else {
            b.historie = logvorm(v) + QStringLiteral("    ") + antwoord + QStringLiteral("Goed");
            b.verslag = {b.historie};
        }
        return b;
    }
    const QString juist = L + QStringLiteral(" = ") + StrSingle(s.s1) + QStringLiteral(" of ") + L +
                          QStringLiteral(" = ") + StrSingle(s.s2);
    b.fout = QStringLiteral("nee, ") + juist;
    const QString begin = logvorm(v) + QStringLiteral("   ") + antwoord;
    b.historie = begin + QChar(13) + QStringLiteral("Fout, het is ") + juist;
    const QString ruimte = speler == 1 ? QStringLiteral("        ") : QStringLiteral("       ");
    b.verslag = {begin + ruimte + QStringLiteral("Fout, het is ") + juist};
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

run::Verdict beoordeel(const Vergelijking& v, int speler, const QString& eerste,
                       const QString& tweede)
{
    if (v.isKwadratisch())
        return kwadratisch(v, speler, eerste, tweede);
    return lineair(v, speler, eerste);
}

float oplossing(const Vergelijking& v)
{
    int teller = 0;
    int noemer = 1;
    if (v.niveau <= 2 && !v.isBreuk()) {
        teller = v.c - v.e * v.b;
        noemer = v.a;
    } else if (v.isBreuk()) {
        teller = v.a - v.c * v.e * v.b;
        noemer = v.c * v.k;
    } else if (v.isHaakjesvorm()) {
        teller = v.e2 * v.d - v.e1 * v.p * v.e3 * v.r;
        noemer = v.a + v.e1 * v.p * v.q - v.c;
    } else {
        teller = v.e2 * v.d - v.e1 * v.b;
        noemer = v.a - v.c;
    }
    return float(teller) / float(noemer);
}

Oplossingen oplossingen(const Vergelijking& v)
{
    if (v.niveau == 5)
        return {-float(v.e1) * v.oplossing1, -float(v.e2) * v.oplossing2};
    return {-v.oplossing1, -v.oplossing2};
}

} // namespace equations
