// The worked explanation of a factoring problem.

#include "factoring.h"
#include "texts.h"

namespace ontbinden {

using namespace algebra;

namespace {

const QString alinea = CR + CR;

QString variabeleVraag(QChar L)
{
    return QStringLiteral(" voorkomt of misschien ") + L + kwadraat +
           QStringLiteral(" of misschien ") + L + derdemacht + QStringLiteral(" of zoiets.");
}

QString somEnProduct(int som, int product)
{
    return QStringLiteral("getallen waarvan de som ") + nt(som) + QStringLiteral(" is") +
           QStringLiteral(" en het product ") + nt(product);
}

QString niveau1(const Opgave& o)
{
    const QChar L = o.letter;
    QString u =
        alinea + QStringLiteral("Kijk eerst of je alle termen door eenzelfde getal kunt delen. ");
    if (std::abs(o.c) != 1)
        u += CR + QStringLiteral("Dat is hier het getal ") + nt(std::abs(o.c));
    else
        u += CR + QStringLiteral("Dat is hier niet het geval");
    u +=
        alinea + QStringLiteral("Kijk dan of in alle termen de variabele ") + L + variabeleVraag(L);
    switch (o.soort) {
    case 2:
        u += CR + QStringLiteral("Dat is hier ") + L;
        break;
    case 3:
        u += CR + QStringLiteral("Dat is hier ") + L + kwadraat;
        break;
    default:
        u += CR + QStringLiteral("Dat is hier niet het geval");
        break;
    }
    u += alinea +
         QStringLiteral("Als de eerste term negatief is haal je meestal ook een - buiten haakjes") +
         CR;
    const bool zonderHaakjes = o.c == 1 && (o.soort == 1 || o.soort == 4);
    if (zonderHaakjes) {
        u += CR + QStringLiteral("Hier valt dus niets buiten haakjes te halen");
    } else {
        u += CR + QStringLiteral("Je haalt dan het volgende buiten haakjes:  ");
        if (o.soort == 2)
            u += ct(o.c) + L + CR;
        else if (o.soort == 3)
            u += ct(o.c) + L + kwadraat + CR;
        else
            u += nt(o.c);
        u += CR +
             QStringLiteral("Vervolgens deel je alles daardoor, en dat komt tussen de haakjes  ");
    }
    u += alinea + QStringLiteral("Het antwoord is dus:  ") + o.antw;
    return u;
}

QString niveau2(const Opgave& o)
{
    const QChar L = o.letter;
    if (o.soort == 1)
        return alinea + QStringLiteral("Zoek twee ") + somEnProduct(o.p + o.q, o.p * o.q) + CR +
               QStringLiteral("Dat zijn ") + nt(o.p) + QStringLiteral(" en ") + nt(o.q) + CR +
               QStringLiteral("Je krijgt dan  (") + L + QStringLiteral(" + ") + nt(o.p) +
               QStringLiteral(")(") + L + QStringLiteral(" + ") + nt(o.q) + QStringLiteral(")") +
               CR + CR + QStringLiteral("Het antwoord is dus:  ") + o.antw;
    return alinea + QStringLiteral("Zoek twee ") + somEnProduct(o.p, o.q) + CR +
           QStringLiteral("Die zijn er niet !") + CR +
           QStringLiteral("Het is dus niet te ontbinden") + CR + CR +
           QStringLiteral("Het antwoord is dus:  ") + o.antw;
}

QString niveau3(const Opgave& o)
{
    const QChar L = o.letter;
    const int k = o.k, p = o.p, q = o.q;
    QString u;
    if (o.soort == 3)
        u += CR + QStringLiteral("Zet de termen eerst in de juiste volgorde.") + CR +
             QStringLiteral("Je krijgt dan:  ") + dalend(o);
    u += alinea + QStringLiteral("Kijk of je alle termen door eenzelfde getal kunt delen. ") + CR +
         QStringLiteral("En kijk of in alle termen de variabele ") + L + variabeleVraag(L);
    u += CR + QStringLiteral("Als de eerste term negatief is haal je ook een - buiten haakjes");
    const QString buiten = o.soort == 1 ? nt(k) : ct(k) + L;
    u += alinea + QStringLiteral("Je haalt dus het volgende buiten haakjes:  ") + buiten;
    u += alinea + QStringLiteral("Je krijgt dan:  ") + buiten + QStringLiteral("(") + L + kwadraat;
    if (o.soort == 4)
        u += sg(p) + ct(std::abs(p)) + L + sg(q) + nt(std::abs(q));
    else
        u += middenterm(p + q, QString(L)) + sg(p * q) + nt(std::abs(p * q));
    u += QStringLiteral(")");
    if (o.soort == 4)
        u += alinea + QStringLiteral("Zoek dan twee ") + somEnProduct(p, q) + CR +
             QStringLiteral("Die zijn er niet");
    else
        u += alinea + QStringLiteral("Zoek dan twee ") + somEnProduct(p + q, p * q) + CR +
             QStringLiteral("Dat zijn ") + nt(p) + QStringLiteral(" en ") + nt(q);
    u += alinea + QStringLiteral("Het antwoord is dus:  ") + o.antw;
    return u;
}

} // namespace

QString uitleg(const Opgave& o)
{
    const QString u = o.tekst + CR + streep;
    switch (o.niveau) {
    case 1:
        return u + niveau1(o);
    case 2:
        return u + niveau2(o);
    default:
        return u + niveau3(o);
    }
}

QString uitlegTitel(const Opgave& o)
{
    const bool klein = o.niveau == 3 || (o.niveau == 2 && o.soort == 1);
    return klein ? QStringLiteral("ontbinden") : QStringLiteral("Ontbinden");
}

} // namespace ontbinden
