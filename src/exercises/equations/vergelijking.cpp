#include "vergelijking.h"

#include "common/numbertext.h"

#include <cmath>
#include <cstdlib>

namespace equations {

using common::Random;
using common::Str;

namespace {

// ⌊r × 2⌋ = 1 negates.
int tekenTrekking(Random& rnd)
{
    return rnd.draw(2, 0) == 1 ? -1 : 1;
}

// A number ⌊r × n⌋ + m, then a sign draw for it (the two draws in that order).
int getekend(Random& rnd, int n, int m)
{
    const int waarde = rnd.draw(n, m);
    return waarde * tekenTrekking(rnd);
}

// ⌊r × 2⌋ = 1 gives plus, 0 gives minus.
int operatorTrekking(Random& rnd)
{
    return rnd.draw(2, 0) == 1 ? 1 : -1;
}

// A value k/den has at most two decimals when 100·k is a multiple of den.
bool tweeDecimalen(int teller, int noemer)
{
    return (100 * teller) % noemer == 0;
}

bool geheel(int teller, int noemer)
{
    return teller % noemer == 0;
}

// The letter term as the expanded quadratic writes it: " + 3x", " - x", or
// nothing for 0.
QString letterterm(int coef, const QString& letter)
{
    if (coef > 0)
        return QStringLiteral(" + ") + tekstuitbreiden(coef) + letter;
    if (coef < 0)
        return QStringLiteral(" - ") + tekstuitbreiden(-coef) + letter;
    return {};
}

void bordjesLineair(Vergelijking& v, Random& rnd)
{
    v.vergsoort = 1;
    const bool niveau1 = v.niveau == 1;
    for (;;) {
        v.a = rnd.draw(10, 1);
        if (rnd.draw(3, 0) != 1)
            v.a = -v.a;
        v.b = niveau1 ? rnd.draw(49, 1) : rnd.draw(99, 1);
        v.c = niveau1 ? rnd.draw(100, -50) : rnd.draw(200, -100);
        v.e = operatorTrekking(rnd);
        const int teller = v.c - v.e * v.b;
        const bool netjes = niveau1 ? geheel(teller, v.a) : tweeDecimalen(teller, v.a);
        if (netjes && v.c != 0 && std::abs(v.a) != 1)
            break;
    }
    v.vergtekst = QStringLiteral(" ") + tekstuitbreiden(v.a) + QStringLiteral(" ") + v.letter +
                  QStringLiteral(" ") + operatorTekst(v, v.e) + Str(v.b) + QStringLiteral(" = ") +
                  Str(v.c);
}

QString noemerCoef(const Vergelijking& v)
{
    return v.niveau == 1 ? QString() : Str(v.k);
}

void bordjesBreuk(Vergelijking& v, Random& rnd)
{
    v.vergsoort = 2;
    v.letter = QStringLiteral("x");
    for (;;) {
        v.a = rnd.draw(100, -50);
        v.b = rnd.draw(9, 1);
        v.c = rnd.draw(20, -10);
        if (v.niveau == 1) {
            v.k = 1;
        } else {
            v.k = getekend(rnd, 3, 2);
        }
        v.e = operatorTrekking(rnd);
        if (v.a == 0 || v.c == 0 || std::abs(v.c) == 1)
            continue;
        // x = a / (k·c) - e·b / k = (a - c·e·b) / (c·k)
        if (geheel(v.a - v.c * v.e * v.b, v.c * v.k))
            break;
    }
    v.vergtekst = QStringLiteral("      ") + Str(v.a) + QChar(13) +
                  QStringLiteral(" -------------  = ") + Str(v.c) + QChar(13) +
                  QStringLiteral("  (") + noemerCoef(v) + QStringLiteral("x ") +
                  operatorTekst(v, v.e) + Str(v.b) + QStringLiteral(")");
}

// a·x ± b = c·x ± d with |a| and |a - c| not 1. `grens` bounds a and c,
// `bgrens` the numbers b and d; `tweeDec` allows two decimals.
void weegschaal(Vergelijking& v, Random& rnd, int grens, int bgrens, bool tweeDec)
{
    v.vergsoort = 1;
    for (;;) {
        v.a = getekend(rnd, grens, 1);
        v.b = rnd.draw(bgrens, 2);
        v.e1 = operatorTrekking(rnd);
        do {
            v.c = getekend(rnd, grens, 1);
        } while (v.c == v.a || std::abs(v.c - v.a) == 1);
        v.d = rnd.draw(bgrens, 2);
        v.e2 = operatorTrekking(rnd);
        const int teller = v.e2 * v.d - v.e1 * v.b;
        const int noemer = v.a - v.c;
        const bool netjes = tweeDec ? tweeDecimalen(teller, noemer) : geheel(teller, noemer);
        if (netjes && std::abs(v.a) != 1)
            break;
    }
    v.vergtekst = tekstuitbreiden(v.a) + v.letter + QStringLiteral(" ") + operatorTekst(v, v.e1) +
                  Str(v.b) + QStringLiteral(" = ") + tekstuitbreiden(v.c) + v.letter +
                  operatorTekst(v, v.e2) + Str(v.d);
}

void haakjes(Vergelijking& v, Random& rnd)
{
    v.vergsoort = 2;
    for (;;) {
        v.a = getekend(rnd, 10, 1);
        v.e1 = operatorTrekking(rnd);
        v.p = rnd.draw(4, 2);
        v.q = getekend(rnd, 10, 1);
        v.r = rnd.draw(10, 1);
        v.e3 = operatorTrekking(rnd);
        do {
            v.c = getekend(rnd, 10, 1);
            v.d = rnd.draw(25, 2);
            v.e2 = operatorTrekking(rnd);
        } while (v.a + v.e1 * v.p * v.q == v.c);
        const int teller = v.e2 * v.d - v.e1 * v.p * v.e3 * v.r;
        const int noemer = v.a + v.e1 * v.p * v.q - v.c;
        if (tweeDecimalen(teller, noemer) && teller != 0)
            break;
    }
    v.vergtekst = tekstuitbreiden(v.a) + v.letter + QStringLiteral(" ") + operatorTekst(v, v.e1) +
                  Str(v.p) + QStringLiteral("(") + tekstuitbreiden(v.q) + v.letter +
                  operatorTekst(v, v.e3) + Str(v.r) + QStringLiteral(")=") + tekstuitbreiden(v.c) +
                  v.letter + operatorTekst(v, v.e2) + Str(v.d);
}

void kwadratisch1(Vergelijking& v, Random& rnd)
{
    v.a = rnd.draw(10, 1);
    v.e1 = operatorTrekking(rnd);
    v.c = rnd.draw(10, 1);
    v.e2 = operatorTrekking(rnd);
    v.oplossing1 = float(v.a);
    v.oplossing2 = float(v.c);
    const int S = v.e1 * v.a + v.e2 * v.c;
    const int P = v.e1 * v.a * v.e2 * v.c;
    const QString L = v.letter;
    switch (v.opgaveNr % 3) {
    case 1:
        v.vergsoort = 1;
        v.vergtekst = QStringLiteral(" ") + L + QStringLiteral("²") + letterterm(S, L) +
                      (P > 0 ? QStringLiteral(" + ") + Str(P) : QStringLiteral(" - ") + Str(-P)) +
                      QStringLiteral(" = 0 ");
        break;
    case 0:
        v.vergsoort = 2;
        v.vergtekst = QStringLiteral(" (") + L + operatorTekst(v, v.e1) + Str(v.a) +
                      QStringLiteral(")(") + L + QStringLiteral(" ") + operatorTekst(v, v.e2) +
                      Str(v.c) + QStringLiteral(") = 0 ");
        break;
    default: {
        v.vergsoort = 3;
        do {
            v.d = rnd.draw(10, 1);
            v.f = rnd.draw(10, 1);
            v.e3 = operatorTrekking(rnd);
        } while (v.d == S || v.e3 * v.f == P);
        const int T1 = S + v.d;
        const int T0 = P + v.e3 * v.f;
        QString t = QStringLiteral(" ") + L + QStringLiteral("²") + letterterm(T1, L);
        if (T0 > 0)
            t += QStringLiteral("+ ") + Str(T0);
        else if (T0 < 0)
            t += QStringLiteral("- ") + Str(-T0);
        t += QStringLiteral(" = ") + tekstuitbreiden(v.d) + L;
        const int ef = v.e3 * v.f;
        t += ef > 0 ? QStringLiteral(" + ") + Str(ef) : QStringLiteral(" - ") + Str(-ef);
        v.vergtekst = t;
        break;
    }
    }
}

// ⌊r × 9 + 0.5⌋ with 9 counted as 0: 0 to 8, each with chance 1/9.
int nulTotAcht(Random& rnd)
{
    const int p = static_cast<int>(std::floor(rnd.rnd() * 9 + 0.5));
    return p == 9 ? 0 : p;
}

void schrijfKwadratisch2(Vergelijking& v);

// A·x² ± B(x ± q)(x ± s) = K1·x + K0 reducing to (A + e·B)(x + R1)(x + R2) = 0.
// R1 and R2 are kept doubled (R1x2) so that halves stay whole numbers.
void kwadratisch2(Vergelijking& v, Random& rnd)
{
    const bool halven = (v.opgaveNr + 3) % 4 == 0;
    for (;;) {
        const int p1 = nulTotAcht(rnd);
        const int p2 = nulTotAcht(rnd);
        if (p1 == 0 && p2 == 0)
            continue;
        const int s1 = rnd.draw(2, 0) == 0 ? -1 : 1;
        const int s2 = rnd.draw(2, 0) == 0 ? -1 : 1;
        int R1x2 = 2 * p1;
        int R2x2 = 2 * p2;
        v.vergsoort = 0;
        if (halven) {
            v.vergsoort = 1;
            R1x2 = 2 * s1 * p1 + 1;
            R2x2 = v.opgaveNr > 4 ? 2 * s2 * p2 + 1 : 2 * s2 * p2;
        }
        do {
            v.A = rnd.draw(4, 1);
            if (rnd.draw(2, 0) == 0)
                v.A = -v.A;
            v.B = rnd.draw(4, 1);
            v.e = operatorTrekking(rnd);
        } while (v.A + v.e * v.B == 0);
        v.q = rnd.draw(9, 1);
        v.e4 = operatorTrekking(rnd);
        v.s = rnd.draw(9, 1);
        v.e5 = operatorTrekking(rnd);

        const int eB = v.e * v.B;
        const int factor = v.A + eB;
        // K1 = e·B·(e4·q + e5·s) - (A + e·B)·(R1 + R2), times 2
        const int K1x2 = 2 * eB * (v.e4 * v.q + v.e5 * v.s) - factor * (R1x2 + R2x2);
        // K0 = e·B·e4·q·e5·s - (A + e·B)·R1·R2, times 4
        const int K0x4 = 4 * eB * v.e4 * v.q * v.e5 * v.s - factor * R1x2 * R2x2;
        // Whole solutions always give whole K1 and K0; halves need a factor
        // that is a multiple of 4.
        const bool netjes = v.vergsoort == 0 || factor % 4 == 0;
        if (!netjes)
            continue;
        v.K1 = K1x2 / 2;
        v.K0 = K0x4 / 4;
        if (std::abs(v.K1) < 100 && std::abs(v.K0) < 100) {
            v.oplossing1 = float(R1x2) / 2;
            v.oplossing2 = float(R2x2) / 2;
            break;
        }
    }
    schrijfKwadratisch2(v);
}

// The text of a level 6 equation: "2x² -3(x+4)(x-5)=7x-2".
void schrijfKwadratisch2(Vergelijking& v)
{
    const QString L = v.letter;
    QString t = tekstuitbreiden(v.A) + L + QStringLiteral("² ") + operatorTekst(v, v.e) +
                tekstuitbreiden(v.B) + QStringLiteral("(") + L + operatorTekst(v, v.e4) + Str(v.q) +
                QStringLiteral(")(") + L + operatorTekst(v, v.e5) + Str(v.s) + QStringLiteral(")=");
    if (v.K1 == 0 && v.K0 == 0) {
        t += Str(0); // a right side of nothing would read as a broken equation
    } else {
        t += tekstuitbreiden(v.K1);
        if (v.K1 != 0)
            t += L;
        if (v.K1 != 0 && v.K0 > 0)
            t += QStringLiteral("+");
        if (v.K0 < 0)
            t += QStringLiteral("-");
        if (v.K0 != 0)
            t += Str(std::abs(v.K0));
    }
    v.vergtekst = t;
}

const char* const letters[] = {"x", "p", "a", "t"};

} // namespace

Vergelijking vergelijking(int niveau, int opgaveNr, Random& rnd)
{
    Vergelijking v;
    v.niveau = niveau;
    v.opgaveNr = opgaveNr;
    v.letter = QString::fromLatin1(letters[rnd.draw(4, 0)]);
    switch (niveau) {
    case 1:
    case 2:
        if ((opgaveNr + 2) % 4 != 0)
            bordjesLineair(v, rnd);
        else
            bordjesBreuk(v, rnd);
        break;
    case 3:
        weegschaal(v, rnd, 10, 25, false);
        break;
    case 4:
        if ((opgaveNr + 1) % 2 == 0)
            haakjes(v, rnd);
        else
            weegschaal(v, rnd, 20, 95, true);
        break;
    case 5:
        kwadratisch1(v, rnd);
        break;
    default:
        v.niveau = 6;
        kwadratisch2(v, rnd);
        break;
    }
    return v;
}

QString tekstuitbreiden(int k)
{
    if (k == 0 || k == 1)
        return {};
    if (k == -1)
        return QStringLiteral("-");
    return Str(k);
}

void voegtoeuitleg(QString& uitlegtekst, int k)
{
    uitlegtekst += tekstuitbreiden(k);
}

QString xisinvullen(const Vergelijking& v)
{
    return QStringLiteral(" ") + v.letter + QStringLiteral(" =");
}

QString operatorTekst(const Vergelijking& v, int factor)
{
    const bool kort = v.niveau == 6 || v.isHaakjesvorm();
    if (kort)
        return factor > 0 ? QStringLiteral("+") : QStringLiteral("-");
    return factor > 0 ? QStringLiteral(" + ") : QStringLiteral(" - ");
}

QString logvorm(const Vergelijking& v)
{
    if (!v.isBreuk())
        return v.vergtekst;
    return QStringLiteral(" ") + Str(v.a) + QStringLiteral(" / (") + noemerCoef(v) +
           QStringLiteral("x ") + operatorTekst(v, v.e) + Str(v.b) + QStringLiteral(") = ") +
           Str(v.c);
}

QList<Breukregel> breukregels(const Vergelijking& v)
{
    return {
        {20, QStringLiteral("      ") + Str(v.a)},
        {50, QStringLiteral(" _______")},
        {150, QStringLiteral("                     = ") + Str(v.c)},
        {350, QStringLiteral(" (") + noemerCoef(v) + QStringLiteral("x ") + operatorTekst(v, v.e) +
                  Str(v.b) + QStringLiteral(")")},
    };
}

} // namespace equations
