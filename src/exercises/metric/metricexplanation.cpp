#include "metricexplanation.h"

#include "common/numbertext.h"
#include "metricunits.h"

#include <cmath>
#include <cstdlib>

namespace metric {

namespace {

const QString cr(QChar(13));
const QChar square(0x00B2);
const QChar cube(0x00B3);

QString stepsText(const Problem& o, int s)
{
    return QStringLiteral("Van   ") + o.fromUnit + QStringLiteral("   naar   ") + o.toUnit +
           QStringLiteral("   is ") + common::Str(s) +
           (s == 1 ? QStringLiteral(" stapje ") : QStringLiteral(" stapjes "));
}

bool hasPoint(const Problem& o)
{
    return o.number.contains(QLatin1Char('.'));
}

QString explainLength(const Problem& o, int s, const QString& f, const QString& c)
{
    QString e = cr + cr + QStringLiteral("mm      cm      dm      m      dam      hm      km") +
                cr + QString(39, QLatin1Char('_'));
    e += cr + cr + stepsText(o, s);
    if (o.toSize > o.fromSize) {
        e += QStringLiteral("naar rechts,") + cr + QStringLiteral("dus delen door ") + f +
             QStringLiteral(" (de komma ") + c + QStringLiteral(" naar links,") + cr;
        e += hasPoint(o) ? QStringLiteral("vul het getal voor aan met nullen)")
                         : QStringLiteral("zet eerst een komma achter het getal)");
    } else {
        e += QStringLiteral("naar links,") + cr + QStringLiteral("dus vermenigvuldigen met ") + f +
             QStringLiteral(" (de komma ") + c + QStringLiteral(" naar rechts");
        if (!hasPoint(o))
            e += QStringLiteral(",") + cr +
                 QStringLiteral("zet eerst een komma achter het getal en vul aan met nullen)");
        else if (o.answerText.endsWith(QLatin1Char('0')))
            e += QStringLiteral(",") + cr +
                 QStringLiteral("vul het getal achter eerst aan met nullen)");
        else
            e += QStringLiteral(")");
    }
    return e;
}

QString reminder(const QString& unitName)
{
    if (unitName == QLatin1String("are"))
        return QStringLiteral("1 are = 1 dam") + square;
    if (unitName == QLatin1String("ha"))
        return QStringLiteral("1 ha = 100 are = 100 dam") + square + QStringLiteral(" = 1 hm") +
               square;
    if (unitName == QLatin1String("ca"))
        return QStringLiteral("1 ca = 0.01 are = 0.01 dam") + square + QStringLiteral(" = 1 m") +
               square;
    if (unitName == QLatin1String("liter"))
        return QStringLiteral("1 liter = 1 dm") + cube;
    if (unitName == QLatin1String("cl"))
        return QStringLiteral("1 cl = 0.01 liter = 0.01 dm") + cube;
    return {};
}

QString explainAreaOrVolume(const Problem& o, int s, const QString& f, const QString& c)
{
    const bool volume = o.level == volumes;
    const int count = volume ? 4 : 7;
    const QString gap(volume ? 11 : 7, QLatin1Char(' '));

    QString e = cr + cr;
    for (int i = 1; i <= count; ++i)
        e += unit(o.level, i) + (i < count ? gap : QString());
    for (const char* special : {"are", "ha", "ca", "liter", "cl"}) {
        const QString name = QString::fromLatin1(special);
        if (o.fromUnit == name || o.toUnit == name)
            e += cr + reminder(name);
    }
    e += cr + QString(49, QLatin1Char('_'));
    e += cr + cr + stepsText(o, s);

    const QString perStep = volume ? QStringLiteral("Elk stapje telt voor 1000, ")
                                   : QStringLiteral("Elk stapje telt voor 100, ");
    if (o.toSize > o.fromSize) {
        e += QStringLiteral("naar rechts.") + cr + perStep + QStringLiteral("dus delen door ") + f +
             cr + QStringLiteral("(de komma ") + c + QStringLiteral(" naar links,");
        e += hasPoint(o) ? QStringLiteral(" vul het getal voor aan met nullen)")
                         : QStringLiteral(" zet eerst een komma achter het getal)");
    } else {
        e += QStringLiteral("naar links.") + cr + perStep +
             QStringLiteral("dus vermenigvuldigen met ") + f + cr + cr +
             QStringLiteral("(de komma ") + c + QStringLiteral(" naar rechts");
        if (!hasPoint(o))
            e += QStringLiteral(", zet eerst een komma achter het getal en vul aan met nullen)");
        else if (o.answerText.endsWith(QLatin1Char('0')))
            e += QStringLiteral(", vul het getal achter eerst aan met nullen)");
        else
            e += QStringLiteral(")");
    }
    if (isCentiliter(o.level, o.from))
        e += cr + QStringLiteral("Dan nog delen door 100 omdat 1 cl = 0.01 dm") + cube;
    if (isCentiliter(o.level, o.to))
        e += cr + QStringLiteral("Dan nog vermenigvuldigen met 100 omdat 1 dm") + cube +
             QStringLiteral(" = 100 cl");
    return e;
}

} // namespace

QString explain(const Problem& o)
{
    const int s = std::abs(o.toSize - o.fromSize);
    const int k = powerPerStep(o.level);
    const QString f = common::Str(std::pow(10.0, k * s));
    const QString c = common::Str(k * s);

    QString e = o.number + QLatin1Char(' ') + o.fromUnit + QStringLiteral(" = ........... ") +
                o.toUnit + cr;
    e += o.level == lengths ? explainLength(o, s, f, c) : explainAreaOrVolume(o, s, f, c);
    e += cr + cr + QStringLiteral("Het antwoord is :  ") + o.answerText;
    return e;
}

} // namespace metric
