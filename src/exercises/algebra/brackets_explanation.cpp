// The worked explanation of a brackets problem.

#include "brackets.h"
#include "texts.h"

namespace haakjes {

using namespace algebra;

namespace {

const QString alinea = CR + CR;

// "(aL + s1·b)(cL + s2·d)": the two brackets with their signs as numbers.
QString tweeHaakjes(const Opgave& o)
{
    const QChar L = o.letter;
    return QStringLiteral("(") + ct(o.a) + L + QStringLiteral(" + ") + nt(o.s1 * o.b) +
           QStringLiteral(")(") + ct(o.c) + L + QStringLiteral(" + ") + nt(o.s2 * o.d) +
           QStringLiteral(")");
}

// Multiplying out two brackets, as levels 3 and 4 explain it.
QString vermenigvuldigHaakjes(const Opgave& o, bool plussen)
{
    const QChar L = o.letter;
    QString u = alinea + QStringLiteral("Vermenigvuldig ") + ct(o.a) + L + QStringLiteral(" met ") +
                ct(o.c) + L + QStringLiteral(" en met ") + nt(o.s2 * o.d) + CR +
                QStringLiteral("en vermenigvuldig ") + nt(o.s1 * o.b) + QStringLiteral(" met ") +
                ct(o.c) + L + QStringLiteral(" en met ") + nt(o.s2 * o.d);
    if (plussen)
        u += CR + QStringLiteral("en zet er plussen tussen.");
    u += alinea + QStringLiteral("Je krijgt dan:") + ct(o.a * o.c) + L + kwadraat +
         QStringLiteral(" + ") + nt(o.s2 * o.a * o.d) + L + QStringLiteral(" + ") +
         nt(o.s1 * o.b * o.c) + L + QStringLiteral(" + ") + nt(o.s1 * o.s2 * o.b * o.d);
    return u;
}

QString niveau1(const Opgave& o)
{
    const QChar L = o.letter;
    const QString plus = QStringLiteral(" + ");
    QString u;
    if (o.s1 == -1 || (o.soort == 4 && o.s2 == -1)) {
        u += alinea + QStringLiteral("Je kunt het ook schrijven als ") + ct(o.c) + L;
        switch (o.soort) {
        case 1:
            u += kwadraat + QStringLiteral("(") + ct(o.a) + L + plus + nt(o.s1 * o.b) +
                 QStringLiteral(")");
            break;
        case 2:
            u += QStringLiteral("(") + ct(o.a) + L + plus + nt(o.s1 * o.b) + QStringLiteral(")");
            break;
        case 3:
            u += QStringLiteral("(") + ct(o.a) + L + kwadraat + plus + nt(o.s1 * o.b) + L +
                 QStringLiteral(")");
            break;
        default:
            u += QStringLiteral("(") + ct(o.a) + L + kwadraat + plus + nt(o.s1 * o.b) + L + plus +
                 nt(o.s2 * o.d) + QStringLiteral(")");
            break;
        }
    }
    u += alinea + QStringLiteral("Vermenigvuldig alle termen tussen haakjes met ") + nt(o.c) + L;
    if (o.soort == 1)
        u += kwadraat;
    u += alinea + QStringLiteral("Denk er om dat ") + L + QStringLiteral(" * ") + L +
         QStringLiteral(" = ") + L + kwadraat + QStringLiteral("    en    ") + L +
         QStringLiteral(" * ") + L + kwadraat + QStringLiteral(" = ") + L + derdemacht;
    u += alinea + QStringLiteral("(het sterretje staat voor keer)");
    u += alinea + QStringLiteral("Het antwoord is dus:  ") + o.antw;
    return u;
}

// With a minus in the problem: the same problem written with plus signs.
QString metPlus(const Opgave& o)
{
    const QChar L = o.letter;
    const QString plus = QStringLiteral(" + ");
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    QString u;
    if (s1 == -1 || s2 == -1 || s3 == -1 || s4 == -1) {
        u += alinea + QStringLiteral("Je kunt het ook schrijven als ");
        switch (o.soort) {
        case 1:
            u += ct(c) + L + QStringLiteral("(") + ct(a) + L + plus + nt(s1 * b) +
                 QStringLiteral(")") + plus + nt(s2 * d) + L + plus + nt(s3 * e);
            break;
        case 2:
            u += ct(d) + L + plus + nt(s2 * c) + QStringLiteral("(") + ct(a) + L + plus +
                 nt(s1 * b) + QStringLiteral(")") + plus + nt(s3 * e);
            break;
        case 3:
            u += ct(d) + L + plus + nt(s2 * c) + L + QStringLiteral("(") + ct(a) + L + kwadraat +
                 plus + nt(s1 * b) + L + QStringLiteral(")");
            break;
        default:
            u += ct(c) + L + QStringLiteral("(") + ct(a) + L + plus + nt(s1 * b) +
                 QStringLiteral(") + ") + nt(s2 * d) + L + QStringLiteral("(") + ct(e) + L + plus +
                 nt(s4 * f) + QStringLiteral(")");
            break;
        }
    }
    return u;
}

QString niveau2(const Opgave& o)
{
    const QChar L = o.letter;
    const QString plus = QStringLiteral(" + ");
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    QString u = metPlus(o);
    u += alinea + QStringLiteral("Werk eerst de haakjes weg.");
    switch (o.soort) {
    case 1:
    case 2:
    case 3:
        u += alinea + QStringLiteral("Vermenigvuldig alle termen die tussen haakjes staan met ") +
             (o.soort == 1   ? nt(c) + L
              : o.soort == 2 ? nt(s2 * c)
                             : nt(s2 * c) + L);
        break;
    default:
        u += alinea + QStringLiteral("Vermenigvuldig alle termen tussen de eerste haakjes met ") +
             nt(c) + L + CR + QStringLiteral("en alle termen tussen de tweede haakjes met ") +
             nt(s2 * d) + L;
        break;
    }
    u += alinea + QStringLiteral("Je krijgt dan:");
    switch (o.soort) {
    case 1:
        u += ct(a * c) + L + kwadraat + plus + nt(s1 * b * c) + L + plus + nt(s2 * d) + L + plus +
             nt(s3 * e);
        break;
    case 2:
        u += ct(d) + L + plus + nt(s2 * a * c) + L + plus + nt(s1 * s2 * b * c) + plus + nt(s3 * e);
        break;
    case 3:
        u += ct(d) + L + plus + nt(s2 * a * c) + L + derdemacht + plus + nt(s1 * s2 * b * c) + L +
             kwadraat;
        break;
    default:
        u += ct(a * c) + L + kwadraat + plus + nt(s1 * b * c) + L + QStringLiteral("  +  ") +
             nt(s2 * d * e) + L + kwadraat + plus + nt(s2 * s4 * d * f) + L;
        break;
    }
    if (o.soort == 3)
        u += alinea + QStringLiteral(
                          "Zet de termen dan in de juiste volgorde (gelijksoortige zijn er niet)");
    else
        u += alinea + QStringLiteral("Neem dan de gelijksoortige termen bijelkaar.");
    u += alinea + QStringLiteral("Het antwoord wordt dan:  ") + o.antw;
    return u;
}

QString niveau3(const Opgave& o)
{
    QString u;
    if (o.s1 == -1 || o.s2 == -1 || o.soort == 2)
        u += alinea + QStringLiteral("Je kunt het ook schrijven als ") + tweeHaakjes(o);
    u += alinea + QStringLiteral("Werk eerst de haakjes weg.");
    u += vermenigvuldigHaakjes(o, true);
    u += alinea + QStringLiteral("Neem dan de gelijksoortige termen bijelkaar.");
    u += alinea + QStringLiteral("Het antwoord wordt dan:  ") + o.antw;
    return u;
}

QString niveau4(const Opgave& o)
{
    QString u;
    if (o.soort == 2 || o.soort == 4)
        u += alinea + QStringLiteral("Je kunt (.....)") + kwadraat +
             QStringLiteral(" ook schrijven als ") + tweeHaakjes(o);
    u += alinea + QStringLiteral("Vermenigvuldig eerst wat tussen haakjes staat met elkaar");
    u += vermenigvuldigHaakjes(o, false);
    u += alinea + QStringLiteral("Vermenigvuldig dat met ") + nt(o.soort <= 2 ? o.s3 * o.m : o.m);
    u += alinea + QStringLiteral(
                      "Tel dan de rest er bij op en neem dan de gelijksoortige termen bijelkaar.");
    u += alinea + QStringLiteral("Het antwoord wordt dan:  ") + o.antw;
    return u;
}

} // namespace

QString uitleg(const Opgave& o)
{
    QString u = o.tekst + CR + streep;
    switch (o.niveau) {
    case 1:
        return u + niveau1(o);
    case 2:
        return u + niveau2(o);
    case 3:
        return u + niveau3(o);
    default:
        return u + niveau4(o);
    }
}

} // namespace haakjes
