#include "exercises/sums/spoken.h"

#include <QStringList>

namespace sums {

QString uitgesproken(const RowLayout& row)
{
    const QString vak = QStringLiteral("…");
    QStringList delen{row.labels[0], row.labels[1]};
    delen << (row.answerLeft == kLabel2Left ? vak : row.label2Visible ? row.labels[2] : QString());
    delen << row.labels[3];
    delen << (row.answerLeft == row.label4Left ? vak : row.labels[4]);
    return delen.join(QLatin1Char(' ')).simplified();
}

} // namespace sums
