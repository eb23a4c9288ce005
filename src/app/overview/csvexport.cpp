#include "csvexport.h"

#include <QAbstractItemModel>
#include <QRegularExpression>

namespace overview {

QString csvField(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]+(,[0-9]+)?$"));
    QString field = text;
    if (!field.isEmpty() && QStringLiteral("=+-@\t\r").contains(field[0]) &&
        !number.match(field).hasMatch())
        field.prepend(QLatin1Char('\''));
    const bool quote = field.contains(QLatin1Char(';')) || field.contains(QLatin1Char('"')) ||
                       field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'));
    if (!quote)
        return field;
    field.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + field + QLatin1Char('"');
}

QByteArray csvOf(const QAbstractItemModel& model)
{
    QString text;
    QStringList fields;
    for (int c = 0; c < model.columnCount(); ++c)
        fields << csvField(model.headerData(c, Qt::Horizontal).toString());
    text += fields.join(QLatin1Char(';')) + QLatin1String("\r\n");
    for (int r = 0; r < model.rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < model.columnCount(); ++c)
            fields << csvField(model.index(r, c).data().toString());
        text += fields.join(QLatin1Char(';')) + QLatin1String("\r\n");
    }
    return QByteArray("\xEF\xBB\xBF") + text.toUtf8();
}

} // namespace overview
