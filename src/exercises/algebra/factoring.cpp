#include "factoring.h"

#include "answer.h"
#include "texts.h"

#include <numeric>

namespace ontbinden {

using namespace algebra;

namespace {

// k = rnd(n) + 1, negated when k is 1 or rnd(2) = 1 (that draw is made either
// way).
int trekFactor(common::Random& r, int n)
{
    const int k = rnd(r, n) + 1;
    const bool min = rnd(r, 2) == 1;
    return (k == 1 || min) ? -k : k;
}

// q = rnd(10) + 2, negated when rnd(2) = 1.
int trekQ(common::Random& r)
{
    const int q = rnd(r, 10) + 2;
    return rnd(r, 2) == 1 ? -q : q;
}

QString L2(QChar L)
{
    return L + kwadraat;
}
QString L3(QChar L)
{
    return L + derdemacht;
}

// "(L ± |p|)(L ± |q|)".
QString haakjesPQ(QChar L, int p, int q)
{
    return QStringLiteral("(") + L + sg(p) + nt(std::abs(p)) + QStringLiteral(")(") + L + sg(q) +
           nt(std::abs(q)) + QStringLiteral(")");
}

void niveau1(Opgave& o, int opgaveNr, common::Random& r)
{
    o.soort = opgaveNr % 4 + 1;
    int s, bInOpgave;
    bool afgewezen;
    do {
        o.a = rnd(r, 10) + 1;
        o.b = rnd(r, 9) + 1;
        o.c = rnd(r, 20) - 10;
        s = trekTeken(r);
        bInOpgave = o.b;
        if (o.c < 0) {
            s = -s;
            bInOpgave = -o.b;
        }
        afgewezen = std::gcd(o.a, o.b) > 1 || o.c == 0 || o.a == 1 ||
                    (o.soort == 4 && s * o.a * bInOpgave * o.c < 0);
    } while (afgewezen);
    o.s = s;
    const QChar L = o.letter;
    const int P = o.c * o.a, Q = o.c * bInOpgave;
    const QString teken = tekenTekst(s);
    switch (o.soort) {
    case 1:
        o.tekst = QStringLiteral(" ") + ct(P) + L + teken + nt(Q);
        break;
    case 2:
        o.tekst = QStringLiteral(" ") + ct(P) + L2(L) + teken + ct(Q) + L;
        break;
    case 3:
        o.tekst = QStringLiteral(" ") + ct(P) + L3(L) + teken + ct(Q) + L2(L);
        break;
    default:
        o.tekst = QStringLiteral(" ") + ct(P) + L2(L) + teken + nt(Q);
        break;
    }

    // The answer shows the drawn factor c and the sign as drawn.
    const QString binnen =
        ct(o.a) + (o.soort == 4 ? L2(L) : QString(L)) + tekenTekst(o.c < 0 ? -s : s) + nt(o.b);
    switch (o.soort) {
    case 2:
        o.antw = ct(o.c) + L + QStringLiteral("(") + binnen + QStringLiteral(")");
        break;
    case 3:
        o.antw = ct(o.c) + L2(L) + QStringLiteral("(") + binnen + QStringLiteral(")");
        break;
    default:
        o.antw = o.c == 1 ? binnen : ct(o.c) + QStringLiteral("(") + binnen + QStringLiteral(")");
        break;
    }
}

void niveau2(Opgave& o, int opgaveNr, common::Random& r)
{
    const QChar L = o.letter;
    if (opgaveNr % 4 != 0) {
        o.soort = 1;
        o.p = trekMetTeken(r, 10);
        o.q = trekQ(r);
        o.tekst = QStringLiteral(" ") + L2(L) + middenterm(o.p + o.q, QString(L)) + sg(o.p * o.q) +
                  nt(std::abs(o.p * o.q));
        o.antw = haakjesPQ(L, o.p, o.q);
    } else {
        // A trinomial that cannot be factored.
        o.soort = 2;
        do {
            o.p = trekMetTeken(r, 10);
            o.q = trekMetTeken(r, 80);
        } while (o.p * o.p - 4 * o.q >= 0);
        o.tekst =
            QStringLiteral(" ") + L2(L) + middenterm(o.p, QString(L)) + sg(o.q) + nt(std::abs(o.q));
        o.antw = o.tekst;
    }
}

} // namespace

QString dalend(const Opgave& o)
{
    const QChar L = o.letter;
    const int k = o.k, p = o.p, q = o.q;
    return ct(k) + L3(L) + middenterm(k * (p + q), L2(L)) + sg(k * p * q) +
           nt(std::abs(k * p * q)) + L;
}

namespace {

void niveau3(Opgave& o, int opgaveNr, common::Random& r)
{
    const QChar L = o.letter;
    if (opgaveNr % 4 != 0) {
        o.p = trekMetTeken(r, 10);
        o.q = trekQ(r);
        o.k = trekFactor(r, 6);
        o.soort = opgaveNr % 4 == 1 ? 1 : opgaveNr % 4;
        const int k = o.k, p = o.p, q = o.q;
        switch (o.soort) {
        case 1:
            o.tekst = QStringLiteral(" ") + ct(k) + L2(L) + middenterm(k * (p + q), QString(L)) +
                      sg(k * p * q) + nt(std::abs(k * p * q));
            o.antw = ct(k) + haakjesPQ(L, p, q);
            break;
        case 2:
            o.tekst = QStringLiteral(" ") + dalend(o);
            o.antw = ct(k) + L + haakjesPQ(L, p, q);
            break;
        default: // rising powers, the cubic term with its number text
            o.tekst = QStringLiteral(" ") + ct(k * p * q) + L + middenterm(k * (p + q), L2(L)) +
                      sg(k) + nt(std::abs(k)) + L3(L);
            o.antw = ct(k) + L + haakjesPQ(L, p, q);
            break;
        }
    } else {
        // Only a common factor can be taken out.
        o.soort = 4;
        do {
            o.p = trekMetTeken(r, 10);
            o.q = trekMetTeken(r, 10);
        } while (o.p * o.p - 4 * o.q >= 0);
        o.k = trekFactor(r, 10);
        const int k = o.k, p = o.p, q = o.q;
        o.tekst = QStringLiteral(" ") + ct(k) + L3(L) + middenterm(k * p, L2(L)) + sg(k * q) +
                  ct(std::abs(k * q)) + L;
        o.antw = ct(k) + L + QStringLiteral("(") + L2(L) + middenterm(p, QString(L)) + sg(q) +
                 nt(std::abs(q)) + QStringLiteral(")");
    }
}

// The checks that the answer is factored as far as it goes. S1 is the
// number of first-degree letters, S2 of squares, S3 of cubes, B of brackets.
void controleer(const Opgave& o, Controle& k)
{
    const Telling& t = k.telling();
    const int S1 = t.enkel, S2 = t.kwadraten, S3 = t.derdemachten, B = t.haakjesteller;
    switch (o.niveau) {
    case 1:
        k.komtvoorx(o.a);
        k.komtvoorx(o.b);
        k.komtvoorx(o.c);
        // A number factor must stand before a bracket pair: "6*2x+6*1" holds
        // the right numbers but factors nothing out.
        if ((o.soort == 1 || o.soort == 4) && std::abs(o.c) > 1)
            k.foutAls(B < 1);
        if (o.soort == 2)
            k.foutAls(S2 > 0);
        else if (o.soort == 3)
            k.foutAls(S3 > 0 || S1 != 1 || S2 != 1);
        break;
    case 2:
        if (o.soort == 1) {
            k.komtvoor(o.p);
            k.komtvoor(o.q);
            k.foutAls(B < 2 || S1 < 2 || S2 > 0);
        } else {
            k.komtvoorx(o.p);
            k.komtvoorx(o.q);
            k.foutAls(S2 != 1);
        }
        break;
    default:
        k.komtvoorx(o.p);
        k.komtvoorx(o.q);
        k.komtvoorx(o.k);
        if (o.soort == 1)
            k.foutAls(S2 > 0 || S3 > 0 || S1 != 2 || B < 2);
        else if (o.soort == 4)
            k.foutAls(S1 < 1 || S2 != 1 || S3 > 0 || B < 1);
        else
            k.foutAls(S2 > 0 || S3 > 0 || S1 != 3 || B < 2);
        break;
    }
}

} // namespace

Opgave maakformule(int niveau, int opgaveNr, common::Random& r)
{
    Opgave o;
    o.niveau = niveau;
    o.letter = trekLetter(r);
    switch (niveau) {
    case 1:
        niveau1(o, opgaveNr, r);
        break;
    case 2:
        niveau2(o, opgaveNr, r);
        break;
    default:
        o.niveau = 3;
        niveau3(o, opgaveNr, r);
        break;
    }
    o.waarden = waardenVanOpgave(o.tekst, o.letter);
    return o;
}

Nagekeken beoordeel(const Opgave& o, const QString& getypt)
{
    const Lezing l = leesAntwoord(getypt, o.letter, o.waarden);
    Nagekeken u{false, l.invoer, false};
    if (l.gelijk) {
        Controle k(l.telling, ZoekNul::Ja);
        controleer(o, k);
        u.goed = k.goed();
        u.beterIs = u.goed && o.niveau == 1 && o.c < 0 && !l.invoer.startsWith(QLatin1Char('-'));
    }
    return u;
}

QString beterMelding(const Opgave& o)
{
    return QStringLiteral("Het is goed, maar beter is:  ") + o.antw;
}

QString beterRegel(const Opgave& o)
{
    return QStringLiteral(" maar beter is: ") + o.antw;
}

} // namespace ontbinden
