#include "helppages.h"

namespace graphs {

namespace {

const HelpPage linesPage{HelpLayout::Left,
                         QStringLiteral("3x+10"),
                         1100,
                         {{100, QStringLiteral("Zoek eerst uit wat het")},
                          {180, QStringLiteral("richtingsgetal is.")},
                          {260, QStringLiteral("Dat is de hoogte van de")},
                          {340, QStringLiteral("trede als je er een trap")},
                          {420, QStringLiteral("van maakt. Dat is hier 3")},
                          {500, QStringLiteral("(De breedte van een trede is 1)")},
                          {660, QStringLiteral("Zoek dan uit wat het")},
                          {740, QStringLiteral("startgetal is.")},
                          {820, QStringLiteral("Daarvoor moet je kijken")},
                          {900, QStringLiteral("op welke hoogte de lijn de")},
                          {980, QStringLiteral("vertikale as snijdt.")},
                          {1140, QStringLiteral("Dat is hier -5")},
                          {1220, QStringLiteral("Dan is de vergelijking:")},
                          {1300, QStringLiteral("  y = 3x + -5")},
                          {1460, QStringLiteral("Dus achter y= vul je in: 3x-5")},
                          {1620, QStringLiteral("Let goed op de namen van de")},
                          {1700, QStringLiteral("variabelen (de letters bij de ")},
                          {1780, QStringLiteral("assen) en de eenheden !!")}},
                         true};

const HelpPage parabolaPage1{HelpLayout::Left,
                             QStringLiteral("2(x+8)(x+4)"),
                             1100,
                             {{20, QStringLiteral("Eerste manier:")},
                              {180, QStringLiteral("Kijk naar de nulpunten,")},
                              {260, QStringLiteral("die zijn hier -3 en 1")},
                              {340, QStringLiteral("Dan is de vergelijking")},
                              {420, QStringLiteral("y=a(x+3)(x-1) waarbij de")},
                              {500, QStringLiteral("waarde van a nog gevonden")},
                              {580, QStringLiteral("moet worden.")},
                              {740, QStringLiteral("Die vind je als volgt:")},
                              {820, QStringLiteral("Ga vanuit de top 1 naar")},
                              {900, QStringLiteral("rechts en kijk hoeveel je")},
                              {980, QStringLiteral("dan omhoog of omlaag moet.")},
                              {1060, QStringLiteral("Dat is hier 2.")},
                              {1220, QStringLiteral("Dan heeft a de waarde 2")},
                              {1300, QStringLiteral("en dan is de vergelijking:")},
                              {1380, QStringLiteral("  y = 2(x+3)(x-1)")},
                              {1540, QStringLiteral("Dus je vult in: 2(x+3)(x-1)")},
                              {1700, QStringLiteral("Let goed op de namen van de")},
                              {1780, QStringLiteral("variabelen (de letters bij de")},
                              {1860, QStringLiteral("assen) en de eenheden !!")}},
                             false};

const HelpPage parabolaPage2{HelpLayout::Left,
                             QStringLiteral("2(x+8)(x+4)"),
                             1100,
                             {{20, QStringLiteral("Tweede manier:")},
                              {180, QStringLiteral("Kijk naar de top, hier (-1,-8)")},
                              {260, QStringLiteral("Dan is de vergelijking")},
                              {340, QStringLiteral("y=a(x+1)^2-8 waarbij de")},
                              {420, QStringLiteral("waarde van a nog gevonden")},
                              {500, QStringLiteral("moet worden.")},
                              {660, QStringLiteral("Die vind je als volgt:")},
                              {740, QStringLiteral("Ga vanuit de top 1 naar")},
                              {820, QStringLiteral("rechts en kijk hoeveel je")},
                              {900, QStringLiteral("dan omhoog of omlaag moet.")},
                              {980, QStringLiteral("Dat is hier 2.")},
                              {1140, QStringLiteral("Dan heeft a de waarde 2")},
                              {1220, QStringLiteral("en dan is de vergelijking:")},
                              {1300, QStringLiteral("  y = 2(x+1)^2-8")},
                              {1460, QStringLiteral("Dus je vult in: 2(x+1)^2-8")},
                              {1620, QStringLiteral("Let goed op de namen van de")},
                              {1700, QStringLiteral("variabelen (de letters bij de")},
                              {1780, QStringLiteral("assen) en de eenheden !!")}},
                             true};

const HelpPage sinePage{
    HelpLayout::Top,
    QStringLiteral("2 sin (x-1) + 6"),
    100,
    {{1020, QStringLiteral("De vergelijking van een sinusoïde is: y = a sin b(x-c) +d")},
     {1180, QStringLiteral("a = de amplitude. Dat is de maximale uitwijking uit de evenwichts-")},
     {1260, QStringLiteral("stand. Dat is hier 2, dus a = 2")},
     {1420, QStringLiteral("d = de evenwichtsstand. Hier geldt : d = 1")},
     {1580, QStringLiteral("b is de horizontale inkrimpingsfactor. Hier geldt: b = 1")},
     {1660, QStringLiteral("(Hoeveel keer zo snel als normaal slingert de grafiek)")},
     {1740, QStringLiteral("c = de horizontale verschuiving. Hier: c = 1")},
     {1820, QStringLiteral("(Waar gaat de grafiek stijgend door de evenwichtsstand)")},
     {1900, QStringLiteral("Dus de vergelijking is y = 2 sin (x-1) +1")}},
    false};

const HelpPage cosinePage{
    HelpLayout::Top,
    QStringLiteral("3 cos (x+2) + 6"),
    100,
    {{1020, QStringLiteral("De vergelijking kan ook zijn: y = a cos b(x-c) +d")},
     {1180, QStringLiteral("a = de amplitude. Dat is hier 3, dus a = 3")},
     {1260, QStringLiteral("d = de evenwichtsstand. Hier geldt : d = 1")},
     {1340, QStringLiteral("b is de horizontale inkrimpingsfactor. Hier geldt: b = 1")},
     {1420, QStringLiteral("(Hoeveel keer zo snel als normaal slingert de grafiek)")},
     {1580, QStringLiteral("c = de horizontale verschuiving. Hier: c = -2")},
     {1660, QStringLiteral("(Dat is de x-coördinaat van een top)")},
     {1820, QStringLiteral("Dus de vergelijking is y = 3 cos (x+2) +1")}},
    true};

const HelpPage rootPage{
    HelpLayout::Top,
    QStringLiteral("2 sqr(x+5) + 1"),
    100,
    {{1020, QStringLiteral("De vergelijking van een wortelfunctie is: y = a sqr(x-c) +d")},
     {1100, QStringLiteral("(In plaats van het wortelteken dus sqr gebruiken !)")},
     {1180, QStringLiteral("(Zit het beginpunt rechts dan is de verg.: y = a sqr(c-x) +d)")},
     {1340, QStringLiteral("c = de x-coördinaat van het beginpunt, hier geldt dus c = -5")},
     {1500, QStringLiteral("d = de y-coördinaat van het beginpunt, hier geldt dus d = -4")},
     {1660, QStringLiteral("a is de vertikale vermenigvuldigingsfactor. Hier geldt: a = 2")},
     {1740, QStringLiteral("(1 rechts van het beginpunt moet je 2 omhoog)")},
     {1900, QStringLiteral("Dus de vergelijking is: y = 2 sqr(x+5) - 4")}},
    true};

const HelpPage overviewPage{
    HelpLayout::Top,
    QStringLiteral("2 /(x-7) + 6"),
    100,
    {{1020, QStringLiteral("Er kan uit 7 functiesoorten worden gekozen:")},
     {1100, QStringLiteral("lijn: y = ax + b")},
     {1180, QStringLiteral("parabool: y = ax^2 + bx + c")},
     {1260, QStringLiteral("sinusoïde: y = a sin b(x-c) + d of y = a cos b(x-c) + d ")},
     {1340, QStringLiteral("wortelfunctie: y = a sqr(x-c) + d")},
     {1420, QStringLiteral("gebroken functie: y = a / (x-c) + d")},
     {1500, QStringLiteral("exponentiële functie: y = a 2^(x-c) + d")},
     {1580, QStringLiteral("logaritmische functie y = a log(x-c) + d")},
     {1740, QStringLiteral("Hier is het een gebroken functie: y = a / (x-c) + d")},
     {1820, QStringLiteral("c=7 (vert. asymptoot) en d=1 (hor. asymptoot)")},
     {1900, QStringLiteral("a=2 (vul voor x 5 in, dan moet y 0 worden), dus y = 2 /(x-7) + 1")}},
    true};

} // namespace

const HelpPage& chooseHelpPage(int level, bool mixed, int helpPage)
{
    if (mixed)
        return overviewPage;
    switch (level) {
    case 1:
    case 2:
        return linesPage;
    case 3:
        return helpPage == 1 ? parabolaPage1 : parabolaPage2;
    case 4:
    case 5:
        return helpPage == 1 ? sinePage : cosinePage;
    case 6:
        return rootPage;
    default:
        return overviewPage;
    }
}

} // namespace graphs
