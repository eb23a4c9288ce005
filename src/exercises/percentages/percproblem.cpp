#include "percproblem.h"

#include "common/numbertext.h"
#include "moneytext.h"

namespace percentages {

namespace {

QString geld(double x)
{
    return formatgetal(static_cast<float>(x));
}

void vulGetallen(Opgave& o)
{
    const double p = o.prijs;
    switch (o.soort) {
    case 1:
        o.bedrag = p * o.perc / 100;
        o.tekst1 = geld(p);
        o.tekst2 = geld(o.bedrag);
        o.antwoordWaarde = o.perc;
        o.juist = voorloopnul(common::Str(o.perc));
        break;
    case 2:
        o.bedrag = p * (100 + o.perc) / 100;
        o.tekst1 = geld(o.bedrag);
        o.tekst2 = common::Str(o.perc);
        o.antwoordWaarde = p;
        o.juist = geld(p);
        break;
    case 3:
        o.bedrag = p * (100 + o.perc) / 100;
        o.tekst1 = geld(p);
        o.tekst2 = common::Str(o.perc);
        o.antwoordWaarde = o.bedrag;
        o.juist = geld(o.bedrag);
        break;
    case 4:
        o.bedrag = p * (100 - o.perc) / 100;
        o.tekst1 = geld(o.bedrag);
        o.tekst2 = common::Str(o.perc);
        o.antwoordWaarde = p;
        o.juist = geld(p);
        break;
    default:
        o.bedrag = p * (100 + o.perc) / 100;
        o.tekst1 = geld(o.bedrag);
        o.tekst2 = geld(p);
        o.antwoordWaarde = o.perc;
        o.juist = common::Str(o.perc);
        break;
    }
}

void vulRegels(Opgave& o)
{
    const QString kost = QStringLiteral(" Een apparaat kost € ") + o.tekst1;
    switch (o.soort) {
    case 1:
        o.regel1 = kost;
        o.regel2 = QStringLiteral(" Het wordt € ") + o.tekst2 + QStringLiteral(" goedkoper");
        o.regel3 = QStringLiteral(" Hoeveel % goedkoper ?");
        break;
    case 2:
        o.regel1 = kost;
        o.regel2 = QStringLiteral(" Het is ") + o.tekst2 + QStringLiteral(" % duurder geworden");
        o.regel3 = QStringLiteral(" Wat was de oude prijs ?");
        break;
    case 3:
        o.regel1 = kost;
        o.regel2 = QStringLiteral(" Het wordt ") + o.tekst2 + QStringLiteral(" % duurder");
        o.regel3 = QStringLiteral(" Wat is de nieuwe prijs ?");
        break;
    case 4:
        o.regel1 = kost + QStringLiteral(" Het");
        o.regel2 = QStringLiteral(" is ") + o.tekst2 + QStringLiteral(" % goedkoper geworden");
        o.regel3 = QStringLiteral(" Wat was de oude prijs ?");
        break;
    default:
        o.regel1 = QStringLiteral(" Een apparaat kost nu € ") + o.tekst1;
        o.regel2 = QStringLiteral(" Het kostte eerst ") + o.tekst2;
        o.regel3 = QStringLiteral(" Hoeveel % prijsverhoging ?");
        // A percentage needs a narrower box, right after the longer question.
        o.regel3Breedte = 3100;
        o.antwoordBreedte = 500;
        o.antwoordLinks1 = 3220;
        o.antwoordLinks2 = 6880;
        break;
    }
}

} // namespace

Opgave maakopgave(int soort, common::Random& random)
{
    const int prijs = random.draw(3000, 1000);
    const int perc = random.draw(30, 2);
    return maakopgave(soort, prijs, perc);
}

Opgave maakopgave(int soort, int prijs, int perc)
{
    Opgave o;
    o.soort = soort >= 1 && soort <= 5 ? soort : 1;
    o.prijs = prijs;
    o.perc = perc;
    vulGetallen(o);
    vulRegels(o);
    return o;
}

QString uitgesproken(const Opgave& o)
{
    return (o.regel1 + QLatin1Char(' ') + o.regel2 + QLatin1Char(' ') + o.regel3).simplified() +
           QStringLiteral(" …");
}

} // namespace percentages
