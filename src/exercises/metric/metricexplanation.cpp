#include "metricexplanation.h"

#include "common/numbertext.h"
#include "metricunits.h"

#include <cmath>
#include <cstdlib>

namespace metric {

namespace {

const QString cr(QChar(13));
const QChar kwadraat(0x00B2);
const QChar kubiek(0x00B3);

QString stapjes(const Opgave& o, int s)
{
    return QStringLiteral("Van   ") + o.vanEenheid + QStringLiteral("   naar   ") + o.naarEenheid +
           QStringLiteral("   is ") + common::Str(s) +
           (s == 1 ? QStringLiteral(" stapje ") : QStringLiteral(" stapjes "));
}

bool heeftPunt(const Opgave& o)
{
    return o.getal.contains(QLatin1Char('.'));
}

QString uitlegLengte(const Opgave& o, int s, const QString& f, const QString& c)
{
    QString e = cr + cr + QStringLiteral("mm      cm      dm      m      dam      hm      km") +
                cr + QString(39, QLatin1Char('_'));
    e += cr + cr + stapjes(o, s);
    if (o.macht2 > o.macht1) {
        e += QStringLiteral("naar rechts,") + cr + QStringLiteral("dus delen door ") + f +
             QStringLiteral(" (de komma ") + c + QStringLiteral(" naar links,") + cr;
        e += heeftPunt(o) ? QStringLiteral("vul het getal voor aan met nullen)")
                          : QStringLiteral("zet eerst een komma achter het getal)");
    } else {
        e += QStringLiteral("naar links,") + cr + QStringLiteral("dus vermenigvuldigen met ") + f +
             QStringLiteral(" (de komma ") + c + QStringLiteral(" naar rechts");
        if (!heeftPunt(o))
            e += QStringLiteral(",") + cr +
                 QStringLiteral("zet eerst een komma achter het getal en vul aan met nullen)");
        else if (o.juist.endsWith(QLatin1Char('0')))
            e += QStringLiteral(",") + cr +
                 QStringLiteral("vul het getal achter eerst aan met nullen)");
        else
            e += QStringLiteral(")");
    }
    return e;
}

QString herinnering(const QString& eenheidNaam)
{
    if (eenheidNaam == QLatin1String("are"))
        return QStringLiteral("1 are = 1 dam") + kwadraat;
    if (eenheidNaam == QLatin1String("ha"))
        return QStringLiteral("1 ha = 100 are = 100 dam") + kwadraat + QStringLiteral(" = 1 hm") +
               kwadraat;
    if (eenheidNaam == QLatin1String("ca"))
        return QStringLiteral("1 ca = 0.01 are = 0.01 dam") + kwadraat + QStringLiteral(" = 1 m") +
               kwadraat;
    if (eenheidNaam == QLatin1String("liter"))
        return QStringLiteral("1 liter = 1 dm") + kubiek;
    if (eenheidNaam == QLatin1String("cl"))
        return QStringLiteral("1 cl = 0.01 liter = 0.01 dm") + kubiek;
    return {};
}

QString uitlegVlakOfInhoud(const Opgave& o, int s, const QString& f, const QString& c)
{
    const bool inhoud = o.niveau == inhouden;
    const int aantal = inhoud ? 4 : 7;
    const QString tussen(inhoud ? 11 : 7, QLatin1Char(' '));

    QString e = cr + cr;
    for (int i = 1; i <= aantal; ++i)
        e += eenheid(o.niveau, i) + (i < aantal ? tussen : QString());
    for (const char* bijzonder : {"are", "ha", "ca", "liter", "cl"}) {
        const QString naam = QString::fromLatin1(bijzonder);
        if (o.vanEenheid == naam || o.naarEenheid == naam)
            e += cr + herinnering(naam);
    }
    e += cr + QString(49, QLatin1Char('_'));
    e += cr + cr + stapjes(o, s);

    const QString perStap = inhoud ? QStringLiteral("Elk stapje telt voor 1000, ")
                                   : QStringLiteral("Elk stapje telt voor 100, ");
    if (o.macht2 > o.macht1) {
        e += QStringLiteral("naar rechts.") + cr + perStap + QStringLiteral("dus delen door ") + f +
             cr + QStringLiteral("(de komma ") + c + QStringLiteral(" naar links,");
        e += heeftPunt(o) ? QStringLiteral(" vul het getal voor aan met nullen)")
                          : QStringLiteral(" zet eerst een komma achter het getal)");
    } else {
        e += QStringLiteral("naar links.") + cr + perStap +
             QStringLiteral("dus vermenigvuldigen met ") + f + cr + cr +
             QStringLiteral("(de komma ") + c + QStringLiteral(" naar rechts");
        if (!heeftPunt(o))
            e += QStringLiteral(", zet eerst een komma achter het getal en vul aan met nullen)");
        else if (o.juist.endsWith(QLatin1Char('0')))
            e += QStringLiteral(", vul het getal achter eerst aan met nullen)");
        else
            e += QStringLiteral(")");
    }
    if (isCentiliter(o.niveau, o.van))
        e += cr + QStringLiteral("Dan nog delen door 100 omdat 1 cl = 0.01 dm") + kubiek;
    if (isCentiliter(o.niveau, o.naar))
        e += cr + QStringLiteral("Dan nog vermenigvuldigen met 100 omdat 1 dm") + kubiek +
             QStringLiteral(" = 100 cl");
    return e;
}

} // namespace

QString uitleg(const Opgave& o)
{
    const int s = std::abs(o.macht2 - o.macht1);
    const int k = stapMacht(o.niveau);
    const QString f = common::Str(std::pow(10.0, k * s));
    const QString c = common::Str(k * s);

    QString e = o.getal + QLatin1Char(' ') + o.vanEenheid + QStringLiteral(" = ........... ") +
                o.naarEenheid + cr;
    e += o.niveau == lengtes ? uitlegLengte(o, s, f, c) : uitlegVlakOfInhoud(o, s, f, c);
    e += cr + cr + QStringLiteral("Het antwoord is :  ") + o.juist;
    return e;
}

} // namespace metric
