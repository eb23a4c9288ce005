#pragma once
// Money amounts as the percentages exercise shows them: two decimals, cut
// (not rounded) after the second, a leading blank kept for alignment.

#include <QString>

namespace percentages {

// The money text of a single-precision amount: 2522 gives " 2522.00",
// 731.4 gives " 731.40", 0.5 gives " 0.50".
QString moneyText(float x);

// When the text is of a number below 1 (its second character is "."), puts
// a "0" in place of the blank and a blank in front: " .5" becomes " 0.5".
QString leadingZero(QString s);

} // namespace percentages
