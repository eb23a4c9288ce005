// The worked explanation of a factoring problem.

#include "factoring.h"
#include "texts.h"

namespace factoring {

using namespace algebra;

namespace {

const QString paragraph = CR + CR;

QString variableQuestion(QChar L)
{
    return QStringLiteral(" voorkomt of misschien ") + L + squareSign +
           QStringLiteral(" of misschien ") + L + cubeSign + QStringLiteral(" of zoiets.");
}

QString sumAndProduct(int sum, int product)
{
    return QStringLiteral("getallen waarvan de som ") + nt(sum) + QStringLiteral(" is") +
           QStringLiteral(" en het product ") + nt(product);
}

QString level1(const Problem& o)
{
    const QChar L = o.letter;
    QString u = paragraph +
                QStringLiteral("Kijk eerst of je alle termen door eenzelfde getal kunt delen. ");
    if (std::abs(o.c) != 1)
        u += CR + QStringLiteral("Dat is hier het getal ") + nt(std::abs(o.c));
    else
        u += CR + QStringLiteral("Dat is hier niet het geval");
    u += paragraph + QStringLiteral("Kijk dan of in alle termen de variabele ") + L +
         variableQuestion(L);
    switch (o.kind) {
    case 2:
        u += CR + QStringLiteral("Dat is hier ") + L;
        break;
    case 3:
        u += CR + QStringLiteral("Dat is hier ") + L + squareSign;
        break;
    default:
        u += CR + QStringLiteral("Dat is hier niet het geval");
        break;
    }
    u += paragraph +
         QStringLiteral("Als de eerste term negatief is haal je meestal ook een - buiten haakjes") +
         CR;
    const bool withoutBrackets = o.c == 1 && (o.kind == 1 || o.kind == 4);
    if (withoutBrackets) {
        u += CR + QStringLiteral("Hier valt dus niets buiten haakjes te halen");
    } else {
        u += CR + QStringLiteral("Je haalt dan het volgende buiten haakjes:  ");
        if (o.kind == 2)
            u += ct(o.c) + L + CR;
        else if (o.kind == 3)
            u += ct(o.c) + L + squareSign + CR;
        else
            u += nt(o.c);
        u += CR +
             QStringLiteral("Vervolgens deel je alles daardoor, en dat komt tussen de haakjes  ");
    }
    u += paragraph + QStringLiteral("Het antwoord is dus:  ") + o.answer;
    return u;
}

QString level2(const Problem& o)
{
    const QChar L = o.letter;
    if (o.kind == 1)
        return paragraph + QStringLiteral("Zoek twee ") + sumAndProduct(o.p + o.q, o.p * o.q) + CR +
               QStringLiteral("Dat zijn ") + nt(o.p) + QStringLiteral(" en ") + nt(o.q) + CR +
               QStringLiteral("Je krijgt dan  (") + L + QStringLiteral(" + ") + nt(o.p) +
               QStringLiteral(")(") + L + QStringLiteral(" + ") + nt(o.q) + QStringLiteral(")") +
               CR + CR + QStringLiteral("Het antwoord is dus:  ") + o.answer;
    return paragraph + QStringLiteral("Zoek twee ") + sumAndProduct(o.p, o.q) + CR +
           QStringLiteral("Die zijn er niet !") + CR +
           QStringLiteral("Het is dus niet te ontbinden") + CR + CR +
           QStringLiteral("Het antwoord is dus:  ") + o.answer;
}

QString level3(const Problem& o)
{
    const QChar L = o.letter;
    const int k = o.k, p = o.p, q = o.q;
    QString u;
    if (o.kind == 3)
        u += CR + QStringLiteral("Zet de termen eerst in de juiste volgorde.") + CR +
             QStringLiteral("Je krijgt dan:  ") + fallingPowers(o);
    u += paragraph + QStringLiteral("Kijk of je alle termen door eenzelfde getal kunt delen. ") +
         CR + QStringLiteral("En kijk of in alle termen de variabele ") + L + variableQuestion(L);
    u += CR + QStringLiteral("Als de eerste term negatief is haal je ook een - buiten haakjes");
    const QString outside = o.kind == 1 ? nt(k) : ct(k) + L;
    u += paragraph + QStringLiteral("Je haalt dus het volgende buiten haakjes:  ") + outside;
    u += paragraph + QStringLiteral("Je krijgt dan:  ") + outside + QStringLiteral("(") + L +
         squareSign;
    if (o.kind == 4)
        u += sg(p) + ct(std::abs(p)) + L + sg(q) + nt(std::abs(q));
    else
        u += furtherTerm(p + q, QString(L)) + sg(p * q) + nt(std::abs(p * q));
    u += QStringLiteral(")");
    if (o.kind == 4)
        u += paragraph + QStringLiteral("Zoek dan twee ") + sumAndProduct(p, q) + CR +
             QStringLiteral("Die zijn er niet");
    else
        u += paragraph + QStringLiteral("Zoek dan twee ") + sumAndProduct(p + q, p * q) + CR +
             QStringLiteral("Dat zijn ") + nt(p) + QStringLiteral(" en ") + nt(q);
    u += paragraph + QStringLiteral("Het antwoord is dus:  ") + o.answer;
    return u;
}

} // namespace

QString explain(const Problem& o)
{
    const QString u = o.text + CR + underline;
    switch (o.level) {
    case 1:
        return u + level1(o);
    case 2:
        return u + level2(o);
    default:
        return u + level3(o);
    }
}

QString explanationTitle(const Problem& o)
{
    const bool lowerCase = o.level == 3 || (o.level == 2 && o.kind == 1);
    return lowerCase ? QStringLiteral("ontbinden") : QStringLiteral("Ontbinden");
}

} // namespace factoring
