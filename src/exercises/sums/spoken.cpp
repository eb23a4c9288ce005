#include "exercises/sums/spoken.h"

#include <QStringList>

namespace sums {

QString spoken(const RowLayout& row)
{
    const QString box = QStringLiteral("…");
    QStringList parts{row.labels[0], row.labels[1]};
    parts << (row.answerLeft == kLabel2Left ? box : row.label2Visible ? row.labels[2] : QString());
    parts << row.labels[3];
    parts << (row.answerLeft == row.label4Left ? box : row.labels[4]);
    return parts.join(QLatin1Char(' ')).simplified();
}

} // namespace sums
