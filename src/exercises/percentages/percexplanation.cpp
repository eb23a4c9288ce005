#include "percexplanation.h"

#include "common/numbertext.h"

namespace percentages {

namespace {

const QString cr(QChar(13));

struct Table {
    QString percentRow; // top row of the ratio table
    QString amountRow;  // bottom row
    QString computation;
};

Table table(const Problem& o)
{
    const QString& p = o.text1;
    const QString& q = o.text2;
    const QString r = common::Str(100 + o.percent);
    const QString r4 = common::Str(100 - o.percent);
    const QString soItBecomes = QStringLiteral("Het wordt dus:  ");
    switch (o.kind) {
    case 1:
        return {QStringLiteral(" 100 %                    ....... %"),
                p + QString(14, QLatin1Char(' ')) + q,
                soItBecomes + QStringLiteral(" 100 x ") + q + QStringLiteral(" / ") + p};
    case 2:
        return {QLatin1Char(' ') + r + QStringLiteral(" %") +
                    QStringLiteral("                   100 %"),
                p + QString(15, QLatin1Char(' ')) + QStringLiteral("....... "),
                QStringLiteral("Het wordt dus:  100 x ") + p + QStringLiteral(" / ") + r};
    case 3:
        return {QStringLiteral(" 100 %                     ") + r + QStringLiteral(" %"),
                p + QString(15, QLatin1Char(' ')) + QStringLiteral("....... "),
                soItBecomes + r + QStringLiteral(" x ") + p + QStringLiteral(" / 100 ")};
    case 4:
        return {QLatin1Char(' ') + r4 + QStringLiteral(" %") +
                    QStringLiteral("                   100 %"),
                p + QString(15, QLatin1Char(' ')) + QStringLiteral("....... %"),
                soItBecomes + QStringLiteral(" 100 x ") + p + QStringLiteral(" / ") + r4};
    default:
        return {QStringLiteral(" 100 %                     ....... %"),
                q + QString(15, QLatin1Char(' ')) + p,
                soItBecomes + QStringLiteral(" 100 x ") + p + QStringLiteral(" / ") + q +
                    QStringLiteral(" = ") + r};
    }
}

} // namespace

QString explain(const Problem& o, const QString& line1, const QString& line2, const QString& line3)
{
    const Table t = table(o);
    QString e = line1 + cr + line2 + cr + line3 + cr + cr + QString(45, QLatin1Char('_'));
    e += cr + cr + QStringLiteral("Maak een verhoudingstabel, zet de percentages boven");
    e += cr + cr + t.percentRow + cr;
    e += QStringLiteral(" ") + cr;
    e += cr + t.amountRow + cr;
    e += cr + cr + QStringLiteral("In zo'n tabel zijn de kruisproducten gelijk") + cr;
    e += cr + t.computation + cr;
    e += cr + cr;
    if (o.kind == 5)
        e += QStringLiteral("De prijsverhoging is dan :  ") + common::Str(100 + o.percent) +
             QStringLiteral(" - 100 = ") + o.answerText + QStringLiteral(" %");
    else
        e += QStringLiteral("Het antwoord is :  ") + o.answerText;
    return e;
}

} // namespace percentages
