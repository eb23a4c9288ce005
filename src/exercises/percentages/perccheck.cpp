#include "perccheck.h"

#include "common/numbertext.h"

#include <cmath>

namespace percentages {

namespace {

const QString cr(QChar(13));
const QString crlf = QStringLiteral("\r\n");

// The problem restated, as the history and results lines begin. The spacing
// before the answer differs per kind and between right and wrong.
struct Vraag {
    QString kort; // history line
    QString lang; // results line
};

Vraag vraag(const Opgave& o, bool goed)
{
    const QString& p = o.tekst1;
    const QString& q = o.tekst2;
    const QString r = common::Str(100 + o.perc);
    switch (o.soort) {
    case 1: {
        const QString v = QStringLiteral("100 % = ") + p + QStringLiteral("  Hoeveel % is ") + q;
        return {v + QStringLiteral(" ?"),
                v + (goed ? QStringLiteral(" ?     ") : QStringLiteral(" ?   "))};
    }
    case 3: {
        const QString v = QStringLiteral("100 % = ") + p + QStringLiteral("  Hoeveel is ") + r;
        return {v + QStringLiteral("% ?"),
                v + (goed ? QStringLiteral("% ?     ") : QStringLiteral("% ?       "))};
    }
    case 2:
    case 4: {
        const QString v = (o.soort == 2 ? QStringLiteral("oud + ") : QStringLiteral("oud - ")) + q +
                          QStringLiteral(" % is ") + p;
        if (goed)
            return {v + QStringLiteral("    Oude prijs ?"), v + QStringLiteral("    Oude prijs ?")};
        return {v + QStringLiteral(" Oude prijs ?"),
                v + (o.soort == 2 ? QStringLiteral(" Oude prijs ?   ")
                                  : QStringLiteral(" Oude prijs ?    "))};
    }
    default: {
        const QString kort = QStringLiteral("oud=") + q + QStringLiteral(" nieuw=") + p;
        const QString lang = QStringLiteral("oud = ") + q + QStringLiteral("   nieuw = ") + p;
        if (goed)
            return {kort + QStringLiteral("   Perc. prijsverh?"),
                    lang + QStringLiteral(" Perc. prijsverhoging ?")};
        return {kort + QStringLiteral(" Perc. prijsverh?"),
                lang + QStringLiteral(" Perc. prijsverhoging ?     ")};
    }
    }
}

// Whether the results line keeps the problem and the answer on two lines.
bool verslagOpTweeRegels(int soort, bool goed)
{
    return goed && soort != 1 && soort != 3;
}

} // namespace

run::Verdict beoordeel(const Opgave& o, const QString& getypt)
{
    const QString t = common::commaToPoint(getypt);
    run::Verdict b;
    b.goed = std::fabs(common::Val(t) - o.antwoordWaarde) < 0.0001;
    const Vraag v = vraag(o, b.goed);

    QString antwoord;
    if (b.goed) {
        antwoord = t + QLatin1Char(' ') +
                   (o.soort == 5 ? QStringLiteral("    Goed") : QStringLiteral("   Goed"));
    } else {
        b.fout = QStringLiteral("nee, het is ") + o.juist;
        antwoord = (o.soort == 1 || o.soort == 3 ? t : t + QLatin1Char(' ')) +
                   QStringLiteral("     Fout ,het is ") + o.juist +
                   (o.soort == 3 ? QStringLiteral(" ") : QString());
    }
    // The history line always keeps the answer on a line of its own.
    const QString antwoordKort =
        b.goed ? t + QLatin1Char(' ') + QStringLiteral("   Goed") : antwoord;
    b.historie = v.kort + cr + antwoordKort;
    b.verslag = verslagOpTweeRegels(o.soort, b.goed) ? QStringList{v.lang, antwoord}
                                                     : QStringList{v.lang + antwoord};
    return b;
}

} // namespace percentages
