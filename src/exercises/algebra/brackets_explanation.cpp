// The worked explanation of a brackets problem.

#include "brackets.h"
#include "texts.h"

namespace brackets {

using namespace algebra;

namespace {

const QString paragraph = CR + CR;

// "(aL + s1·b)(cL + s2·d)": the two brackets with their signs as numbers.
QString twoBrackets(const Problem& o)
{
    const QChar L = o.letter;
    return QStringLiteral("(") + ct(o.a) + L + QStringLiteral(" + ") + nt(o.s1 * o.b) +
           QStringLiteral(")(") + ct(o.c) + L + QStringLiteral(" + ") + nt(o.s2 * o.d) +
           QStringLiteral(")");
}

// Multiplying out two brackets, as levels 3 and 4 explain it.
QString multiplyBrackets(const Problem& o, bool withPluses)
{
    const QChar L = o.letter;
    QString u = paragraph + QStringLiteral("Vermenigvuldig ") + ct(o.a) + L +
                QStringLiteral(" met ") + ct(o.c) + L + QStringLiteral(" en met ") +
                nt(o.s2 * o.d) + CR + QStringLiteral("en vermenigvuldig ") + nt(o.s1 * o.b) +
                QStringLiteral(" met ") + ct(o.c) + L + QStringLiteral(" en met ") + nt(o.s2 * o.d);
    if (withPluses)
        u += CR + QStringLiteral("en zet er plussen tussen.");
    u += paragraph + QStringLiteral("Je krijgt dan:") + ct(o.a * o.c) + L + squareSign +
         QStringLiteral(" + ") + nt(o.s2 * o.a * o.d) + L + QStringLiteral(" + ") +
         nt(o.s1 * o.b * o.c) + L + QStringLiteral(" + ") + nt(o.s1 * o.s2 * o.b * o.d);
    return u;
}

QString level1(const Problem& o)
{
    const QChar L = o.letter;
    const QString plus = QStringLiteral(" + ");
    QString u;
    if (o.s1 == -1 || (o.kind == 4 && o.s2 == -1)) {
        u += paragraph + QStringLiteral("Je kunt het ook schrijven als ") + ct(o.c) + L;
        switch (o.kind) {
        case 1:
            u += squareSign + QStringLiteral("(") + ct(o.a) + L + plus + nt(o.s1 * o.b) +
                 QStringLiteral(")");
            break;
        case 2:
            u += QStringLiteral("(") + ct(o.a) + L + plus + nt(o.s1 * o.b) + QStringLiteral(")");
            break;
        case 3:
            u += QStringLiteral("(") + ct(o.a) + L + squareSign + plus + nt(o.s1 * o.b) + L +
                 QStringLiteral(")");
            break;
        default:
            u += QStringLiteral("(") + ct(o.a) + L + squareSign + plus + nt(o.s1 * o.b) + L + plus +
                 nt(o.s2 * o.d) + QStringLiteral(")");
            break;
        }
    }
    u += paragraph + QStringLiteral("Vermenigvuldig alle termen tussen haakjes met ") + nt(o.c) + L;
    if (o.kind == 1)
        u += squareSign;
    u += paragraph + QStringLiteral("Denk er om dat ") + L + QStringLiteral(" * ") + L +
         QStringLiteral(" = ") + L + squareSign + QStringLiteral("    en    ") + L +
         QStringLiteral(" * ") + L + squareSign + QStringLiteral(" = ") + L + cubeSign;
    u += paragraph + QStringLiteral("(het sterretje staat voor keer)");
    u += paragraph + QStringLiteral("Het antwoord is dus:  ") + o.answer;
    return u;
}

// With a minus in the problem: the same problem written with plus signs.
QString withPlus(const Problem& o)
{
    const QChar L = o.letter;
    const QString plus = QStringLiteral(" + ");
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    QString u;
    if (s1 == -1 || s2 == -1 || s3 == -1 || s4 == -1) {
        u += paragraph + QStringLiteral("Je kunt het ook schrijven als ");
        switch (o.kind) {
        case 1:
            u += ct(c) + L + QStringLiteral("(") + ct(a) + L + plus + nt(s1 * b) +
                 QStringLiteral(")") + plus + nt(s2 * d) + L + plus + nt(s3 * e);
            break;
        case 2:
            u += ct(d) + L + plus + nt(s2 * c) + QStringLiteral("(") + ct(a) + L + plus +
                 nt(s1 * b) + QStringLiteral(")") + plus + nt(s3 * e);
            break;
        case 3:
            u += ct(d) + L + plus + nt(s2 * c) + L + QStringLiteral("(") + ct(a) + L + squareSign +
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

QString level2(const Problem& o)
{
    const QChar L = o.letter;
    const QString plus = QStringLiteral(" + ");
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    QString u = withPlus(o);
    u += paragraph + QStringLiteral("Werk eerst de haakjes weg.");
    switch (o.kind) {
    case 1:
    case 2:
    case 3:
        u += paragraph +
             QStringLiteral("Vermenigvuldig alle termen die tussen haakjes staan met ") +
             (o.kind == 1   ? nt(c) + L
              : o.kind == 2 ? nt(s2 * c)
                            : nt(s2 * c) + L);
        break;
    default:
        u += paragraph +
             QStringLiteral("Vermenigvuldig alle termen tussen de eerste haakjes met ") + nt(c) +
             L + CR + QStringLiteral("en alle termen tussen de tweede haakjes met ") + nt(s2 * d) +
             L;
        break;
    }
    u += paragraph + QStringLiteral("Je krijgt dan:");
    switch (o.kind) {
    case 1:
        u += ct(a * c) + L + squareSign + plus + nt(s1 * b * c) + L + plus + nt(s2 * d) + L + plus +
             nt(s3 * e);
        break;
    case 2:
        u += ct(d) + L + plus + nt(s2 * a * c) + L + plus + nt(s1 * s2 * b * c) + plus + nt(s3 * e);
        break;
    case 3:
        u += ct(d) + L + plus + nt(s2 * a * c) + L + cubeSign + plus + nt(s1 * s2 * b * c) + L +
             squareSign;
        break;
    default:
        u += ct(a * c) + L + squareSign + plus + nt(s1 * b * c) + L + QStringLiteral("  +  ") +
             nt(s2 * d * e) + L + squareSign + plus + nt(s2 * s4 * d * f) + L;
        break;
    }
    if (o.kind == 3)
        u +=
            paragraph +
            QStringLiteral("Zet de termen dan in de juiste volgorde (gelijksoortige zijn er niet)");
    else
        u += paragraph + QStringLiteral("Neem dan de gelijksoortige termen bijelkaar.");
    u += paragraph + QStringLiteral("Het antwoord wordt dan:  ") + o.answer;
    return u;
}

QString level3(const Problem& o)
{
    QString u;
    if (o.s1 == -1 || o.s2 == -1 || o.kind == 2)
        u += paragraph + QStringLiteral("Je kunt het ook schrijven als ") + twoBrackets(o);
    u += paragraph + QStringLiteral("Werk eerst de haakjes weg.");
    u += multiplyBrackets(o, true);
    u += paragraph + QStringLiteral("Neem dan de gelijksoortige termen bijelkaar.");
    u += paragraph + QStringLiteral("Het antwoord wordt dan:  ") + o.answer;
    return u;
}

QString level4(const Problem& o)
{
    QString u;
    if (o.kind == 2 || o.kind == 4)
        u += paragraph + QStringLiteral("Je kunt (.....)") + squareSign +
             QStringLiteral(" ook schrijven als ") + twoBrackets(o);
    u += paragraph + QStringLiteral("Vermenigvuldig eerst wat tussen haakjes staat met elkaar");
    u += multiplyBrackets(o, false);
    u += paragraph + QStringLiteral("Vermenigvuldig dat met ") + nt(o.kind <= 2 ? o.s3 * o.m : o.m);
    u +=
        paragraph +
        QStringLiteral("Tel dan de rest er bij op en neem dan de gelijksoortige termen bijelkaar.");
    u += paragraph + QStringLiteral("Het antwoord wordt dan:  ") + o.answer;
    return u;
}

} // namespace

QString explain(const Problem& o)
{
    QString u = o.text + CR + underline;
    switch (o.level) {
    case 1:
        return u + level1(o);
    case 2:
        return u + level2(o);
    case 3:
        return u + level3(o);
    default:
        return u + level4(o);
    }
}

} // namespace brackets
