#pragma once
// Small text pieces from which problems, right answers and explanations are
// written, and the random draws both algebra exercises share.

#include "common/random.h"

#include <QChar>
#include <QString>

namespace algebra {

// Coefficient text of n before a letter: nothing for 0 and 1, "-" for -1,
// the number text otherwise (" 3", "-4").
QString ct(int n);
// Number text of n: " 3", "-4", " 0".
QString nt(int n);
// " + " for v > 0, " - " for v < 0; nothing for 0 (the term is left out).
QString sg(int v);
// A further term: its sign and the coefficient text of its size, then the
// letter power unless the coefficient is 0 (then the term is left out).
QString furtherTerm(int v, const QString& power);
// Sign text of a drawn sign: " + " for +1, " - " for -1.
inline QString signText(int s)
{
    return s > 0 ? QStringLiteral(" + ") : QStringLiteral(" - ");
}

inline const QString squareSign = QStringLiteral("\u00B2");
inline const QString cubeSign = QStringLiteral("\u00B3");

// Int(Rnd x n): 0 ... n-1.
inline int rnd(common::Random& r, int n)
{
    return r.draw(n, 0);
}
// A sign draw: +1 when rnd(2) = 1, else -1.
inline int drawSign(common::Random& r)
{
    return rnd(r, 2) == 1 ? 1 : -1;
}
// The problem's letter: rnd(4) = 0 gives x, 1 p, 2 a, 3 t.
QChar drawLetter(common::Random& r);
// rnd(n) + 1, negated when rnd(2) = 1.
int drawSigned(common::Random& r, int n);

} // namespace algebra

namespace algebra {

// Line break inside a message-box text.
inline const QString CR = QString(QChar(13));
// The rule under the problem in an explanation: 51 underscores.
inline const QString underline = QString(51, QLatin1Char('_'));

} // namespace algebra
