#pragma once
// Single-byte Windows-1252 text: the bytes 0x80-0x9F are the code page's own
// characters (the euro sign, curly quotes, ...), the rest is Latin-1.

#include <QByteArrayView>
#include <QString>

namespace common {

void appendWindows1252(QByteArrayView bytes, QString& out);
QString fromWindows1252(QByteArrayView bytes);

} // namespace common
