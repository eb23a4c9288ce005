#include "percexplanation.h"

#include "common/numbertext.h"

namespace percentages {

namespace {

const QString cr(QChar(13));

struct Tabel {
    QString procenten; // top row of the ratio table
    QString bedragen;  // bottom row
    QString berekening;
};

Tabel tabel(const Opgave& o)
{
    const QString& p = o.tekst1;
    const QString& q = o.tekst2;
    const QString r = common::Str(100 + o.perc);
    const QString r4 = common::Str(100 - o.perc);
    const QString gedaan = QStringLiteral("Het wordt dus:  ");
    switch (o.soort) {
    case 1:
        return {QStringLiteral(" 100 %                    ....... %"),
                p + QString(14, QLatin1Char(' ')) + q,
                gedaan + QStringLiteral(" 100 x ") + q + QStringLiteral(" / ") + p};
    case 2:
        return {QLatin1Char(' ') + r + QStringLiteral(" %") +
                    QStringLiteral("                   100 %"),
                p + QString(15, QLatin1Char(' ')) + QStringLiteral("....... "),
                QStringLiteral("Het wordt dus:  100 x ") + p + QStringLiteral(" / ") + r};
    case 3:
        return {QStringLiteral(" 100 %                     ") + r + QStringLiteral(" %"),
                p + QString(15, QLatin1Char(' ')) + QStringLiteral("....... "),
                gedaan + r + QStringLiteral(" x ") + p + QStringLiteral(" / 100 ")};
    case 4:
        return {QLatin1Char(' ') + r4 + QStringLiteral(" %") +
                    QStringLiteral("                   100 %"),
                p + QString(15, QLatin1Char(' ')) + QStringLiteral("....... %"),
                gedaan + QStringLiteral(" 100 x ") + p + QStringLiteral(" / ") + r4};
    default:
        return {QStringLiteral(" 100 %                     ....... %"),
                q + QString(15, QLatin1Char(' ')) + p,
                gedaan + QStringLiteral(" 100 x ") + p + QStringLiteral(" / ") + q +
                    QStringLiteral(" = ") + r};
    }
}

} // namespace

QString uitleg(const Opgave& o, const QString& regel1, const QString& regel2, const QString& regel3)
{
    const Tabel t = tabel(o);
    QString e = regel1 + cr + regel2 + cr + regel3 + cr + cr + QString(45, QLatin1Char('_'));
    e += cr + cr + QStringLiteral("Maak een verhoudingstabel, zet de percentages boven");
    e += cr + cr + t.procenten + cr;
    e += QStringLiteral(" ") + cr;
    e += cr + t.bedragen + cr;
    e += cr + cr + QStringLiteral("In zo'n tabel zijn de kruisproducten gelijk") + cr;
    e += cr + t.berekening + cr;
    e += cr + cr;
    if (o.soort == 5)
        e += QStringLiteral("De prijsverhoging is dan :  ") + common::Str(100 + o.perc) +
             QStringLiteral(" - 100 = ") + o.juist + QStringLiteral(" %");
    else
        e += QStringLiteral("Het antwoord is :  ") + o.juist;
    return e;
}

} // namespace percentages
