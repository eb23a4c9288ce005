#include "brackets.h"

#include "answer.h"
#include "texts.h"

namespace haakjes {

using namespace algebra;

namespace {

// c = rnd(20) - 10, drawn again while it is 0 or 1.
int trekC(common::Random& r)
{
    int c;
    do {
        c = rnd(r, 20) - 10;
    } while (c == 0 || c == 1);
    return c;
}

// "(aL ± b)" of two brackets: a and b with the sign s.
QString tweeterm(int a, QChar L, int s, int b)
{
    return QStringLiteral("(") + ct(a) + L + tekenTekst(s) + nt(b) + QStringLiteral(")");
}

// The draws that the two one-bracket levels share, in their order.
void trekEenStel(Opgave& o, int opgaveNr, common::Random& r)
{
    o.soort = opgaveNr % 4 + 1;
    o.a = rnd(r, 10) + 1;
    o.b = rnd(r, 9) + 1;
    o.c = trekC(r);
    o.s1 = trekTeken(r);
    o.d = rnd(r, 9) + 1;
    o.s2 = trekTeken(r);
}

void niveau1(Opgave& o, int opgaveNr, common::Random& r)
{
    trekEenStel(o, opgaveNr, r);
    const QChar L = o.letter;
    const QString begin = QStringLiteral(" ") + ct(o.c) + L;
    switch (o.soort) {
    case 1:
        o.tekst = begin + kwadraat + tweeterm(o.a, L, o.s1, o.b);
        break;
    case 2:
        o.tekst = begin + tweeterm(o.a, L, o.s1, o.b);
        break;
    case 3:
        o.tekst = begin + QStringLiteral("(") + ct(o.a) + L + kwadraat + tekenTekst(o.s1) +
                  ct(o.b) + L + QStringLiteral(")");
        break;
    default:
        o.tekst = begin + QStringLiteral("(") + ct(o.a) + L + kwadraat + tekenTekst(o.s1) +
                  ct(o.b) + L + tekenTekst(o.s2) + nt(o.d) + QStringLiteral(")");
        break;
    }
}

void niveau2(Opgave& o, int opgaveNr, common::Random& r)
{
    trekEenStel(o, opgaveNr, r);
    o.e = rnd(r, 9) + 1;
    o.s3 = trekTeken(r);
    o.f = rnd(r, 9) + 1;
    o.s4 = trekTeken(r);
    if (o.soort == 2 || o.soort == 3)
        o.c = std::abs(o.c);
    const QChar L = o.letter;
    switch (o.soort) {
    case 1:
        o.tekst = QStringLiteral(" ") + ct(o.c) + L + tweeterm(o.a, L, o.s1, o.b) +
                  tekenTekst(o.s2) + ct(o.d) + L + tekenTekst(o.s3) + nt(o.e);
        break;
    case 2:
        o.tekst = QStringLiteral(" ") + ct(o.d) + L + tekenTekst(o.s2) + ct(o.c) +
                  tweeterm(o.a, L, o.s1, o.b) + tekenTekst(o.s3) + nt(o.e);
        break;
    case 3:
        o.tekst = QStringLiteral(" ") + ct(o.d) + L + tekenTekst(o.s2) + ct(o.c) + L +
                  QStringLiteral("(") + ct(o.a) + L + kwadraat + tekenTekst(o.s1) + ct(o.b) + L +
                  QStringLiteral(")");
        break;
    default:
        o.tekst = QStringLiteral(" ") + ct(o.c) + L + tweeterm(o.a, L, o.s1, o.b) +
                  tekenTekst(o.s2) + ct(o.d) + L + tweeterm(o.e, L, o.s4, o.f);
        break;
    }
}

// The second bracket of the two-bracket levels: the same as the first in a
// square kind, else drawn.
void tweedeHaakje(Opgave& o, bool kwadraatSoort, common::Random& r)
{
    if (kwadraatSoort) {
        o.c = o.a;
        o.d = o.b;
        o.s2 = o.s1;
    } else {
        o.c = trekMetTeken(r, 4);
        o.d = rnd(r, 9) + 1;
        o.s2 = trekTeken(r);
    }
}

// (aL ± b)² or (aL ± b)(cL ± d).
QString haakjesPaar(const Opgave& o, bool kwadraatSoort)
{
    const QString eerste = tweeterm(o.a, o.letter, o.s1, o.b);
    if (kwadraatSoort)
        return eerste + kwadraat;
    return eerste + tweeterm(o.c, o.letter, o.s2, o.d);
}

void niveau3(Opgave& o, int opgaveNr, common::Random& r)
{
    o.a = trekMetTeken(r, 4);
    o.b = rnd(r, 9) + 1;
    o.s1 = trekTeken(r);
    o.soort = opgaveNr % 4 != 0 ? 1 : 2;
    tweedeHaakje(o, o.soort == 2, r);
    o.tekst = QStringLiteral(" ") + haakjesPaar(o, o.soort == 2);
}

void niveau4(Opgave& o, int opgaveNr, common::Random& r)
{
    o.a = trekMetTeken(r, 4);
    o.b = rnd(r, 9) + 1;
    o.s1 = trekTeken(r);
    o.c = trekMetTeken(r, 4);
    o.d = rnd(r, 9) + 1;
    o.s2 = trekTeken(r);
    o.soort = opgaveNr % 4 + 1;
    const QChar L = o.letter;
    if (o.soort <= 2) {
        o.g = trekMetTeken(r, 9);
        o.s3 = trekTeken(r);
        o.m = rnd(r, 4) + 1;
        if (o.soort == 2)
            tweedeHaakje(o, true, r);
        o.tekst = QStringLiteral(" ") + ct(o.g) + L + tekenTekst(o.s3) + ct(o.m) +
                  haakjesPaar(o, o.soort == 2);
    } else {
        o.h = trekMetTeken(r, 9);
        o.g = rnd(r, 9) + 1;
        o.s4 = trekTeken(r);
        o.s3 = trekTeken(r);
        o.m = rnd(r, 4) + 1;
        if (o.soort == 4)
            tweedeHaakje(o, true, r);
        o.tekst = QStringLiteral(" ") + ct(o.m) + haakjesPaar(o, o.soort == 4) + tekenTekst(o.s4) +
                  ct(o.g) + L + kwadraat + tekenTekst(o.s3) + ct(o.h) + L;
    }
}

// The expanded problem, highest power first.
QString rechtAntwoord(const Opgave& o)
{
    const QChar L = o.letter;
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f, g = o.g, h = o.h, m = o.m;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    switch (o.niveau) {
    case 1:
        switch (o.soort) {
        case 2:
            return veelterm(L, {{a * c, 2}, {s1 * b * c, 1}});
        case 4:
            return veelterm(L, {{a * c, 3}, {s1 * b * c, 2}, {s2 * d * c, 1}});
        default:
            return veelterm(L, {{a * c, 3}, {s1 * b * c, 2}});
        }
    case 2:
        switch (o.soort) {
        case 1:
            return veelterm(L, {{a * c, 2}, {s1 * b * c + s2 * d, 1}, {s3 * e, 0}});
        case 2:
            return veelterm(L, {{d + s2 * a * c, 1}, {s1 * s2 * b * c + s3 * e, 0}});
        case 3:
            return veelterm(L, {{s2 * a * c, 3}, {s1 * s2 * b * c, 2}, {d, 1}});
        default:
            return veelterm(L, {{a * c + s2 * d * e, 2}, {s1 * b * c + s2 * s4 * d * f, 1}});
        }
    case 3:
        return veelterm(L, {{a * c, 2}, {s1 * b * c + s2 * a * d, 1}, {s1 * s2 * b * d, 0}});
    default:
        if (o.soort <= 2)
            return veelterm(L, {{s3 * m * a * c, 2},
                                {g + s3 * m * (s1 * b * c + s2 * a * d), 1},
                                {s3 * m * s1 * s2 * b * d, 0}});
        return veelterm(L, {{s4 * g + m * a * c, 2},
                            {s3 * h + m * (s1 * b * c + s2 * a * d), 1},
                            {m * s1 * s2 * b * d, 0}});
    }
}

// The checks of level 2 (one pair of brackets with more terms); S1 is the
// number of first-degree letters, S2 of squares, B of brackets.
void controleerNiveau2(const Opgave& o, Controle& k, int S1, int S2, int B)
{
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    switch (o.soort) {
    case 1: {
        const int midden = s1 * b * c + s2 * d;
        k.komtvoorx(a * c);
        k.komtvoorx(midden);
        k.komtvoor(e);
        k.foutAls(B > 0 || S2 != 1 || (midden != 0 && S1 != 1) || (midden == 0 && S1 != 0));
        break;
    }
    case 2:
        k.komtvoorx(d + s2 * a * c);
        k.komtvoorx(s1 * s2 * b * c + s3 * e);
        k.foutAls(B > 0);
        break;
    case 3:
        k.komtvoorx(s2 * a * c);
        k.komtvoorx(s1 * s2 * b * c);
        if (std::abs(d) != 1)
            k.komtvoor(d);
        k.foutAls(B > 0);
        break;
    default:
        k.komtvoorx(a * c + s2 * d * e);
        k.komtvoorx(s1 * b * c + s2 * s4 * d * f);
        k.foutAls(B > 0);
        break;
    }
}

// The checks that the answer is written as short as possible. S1 is the
// number of first-degree letters, S2 of squares, S3 of cubes, B of brackets.
void controleer(const Opgave& o, Controle& k)
{
    const Telling& t = k.telling();
    const int S1 = t.enkel, S2 = t.kwadraten, S3 = t.derdemachten, B = t.haakjesteller;
    const int a = o.a, b = o.b, c = o.c, d = o.d, g = o.g, h = o.h, m = o.m;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    switch (o.niveau) {
    case 1:
        k.komtvoorx(a * c);
        k.komtvoorx(b * c);
        if (o.soort == 4)
            k.komtvoorx(d * c);
        k.foutAls(B > 0);
        break;
    case 2:
        controleerNiveau2(o, k, S1, S2, B);
        break;
    case 3:
        k.komtvoorx(a * c);
        k.komtvoorx(s1 * b * c + s2 * a * d);
        k.komtvoor(s1 * s2 * b * d);
        k.foutAls(S2 != 1 || S3 > 0 || S1 > 1);
        break;
    default:
        if (o.soort <= 2) {
            k.komtvoorx(s3 * m * a * c);
            k.komtvoorx(g + s3 * m * (s1 * b * c + s2 * a * d));
            k.komtvoor(s3 * m * s1 * s2 * b * d);
            k.foutAls(S2 != 1 || S3 > 0 || S1 > 1);
        } else {
            k.komtvoorx(s4 * g + m * a * c);
            k.komtvoorx(s3 * h + m * (s1 * b * c + s2 * a * d));
            k.komtvoor(m * s1 * s2 * b * d);
            k.foutAls(S2 > 1 || S3 > 0 || S1 > 1);
        }
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
    case 3:
        niveau3(o, opgaveNr, r);
        break;
    default:
        o.niveau = 4;
        niveau4(o, opgaveNr, r);
        break;
    }
    o.antw = rechtAntwoord(o);
    o.waarden = waardenVanOpgave(o.tekst, o.letter);
    return o;
}

Nagekeken beoordeel(const Opgave& o, const QString& getypt)
{
    const Lezing l = leesAntwoord(getypt, o.letter, o.waarden);
    Nagekeken u{false, l.invoer};
    if (l.gelijk) {
        Controle k(l.telling, ZoekNul::Nee);
        controleer(o, k);
        u.goed = k.goed();
    }
    return u;
}

} // namespace haakjes
