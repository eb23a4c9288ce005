#include "brackets.h"

#include "answer.h"
#include "texts.h"

namespace brackets {

using namespace algebra;

namespace {

// c = rnd(20) - 10, drawn again while it is 0 or 1.
int drawC(common::Random& r)
{
    int c;
    do {
        c = rnd(r, 20) - 10;
    } while (c == 0 || c == 1);
    return c;
}

// "(aL ± b)" of two brackets: a and b with the sign s.
QString binomial(int a, QChar L, int s, int b)
{
    return QStringLiteral("(") + ct(a) + L + signText(s) + nt(b) + QStringLiteral(")");
}

// The draws that the two one-bracket levels share, in their order.
void drawOneBracket(Problem& o, int problemNumber, common::Random& r)
{
    o.kind = problemNumber % 4 + 1;
    o.a = rnd(r, 10) + 1;
    o.b = rnd(r, 9) + 1;
    o.c = drawC(r);
    o.s1 = drawSign(r);
    o.d = rnd(r, 9) + 1;
    o.s2 = drawSign(r);
}

void level1(Problem& o, int problemNumber, common::Random& r)
{
    drawOneBracket(o, problemNumber, r);
    const QChar L = o.letter;
    const QString begin = QStringLiteral(" ") + ct(o.c) + L;
    switch (o.kind) {
    case 1:
        o.text = begin + squareSign + binomial(o.a, L, o.s1, o.b);
        break;
    case 2:
        o.text = begin + binomial(o.a, L, o.s1, o.b);
        break;
    case 3:
        o.text = begin + QStringLiteral("(") + ct(o.a) + L + squareSign + signText(o.s1) + ct(o.b) +
                 L + QStringLiteral(")");
        break;
    default:
        o.text = begin + QStringLiteral("(") + ct(o.a) + L + squareSign + signText(o.s1) + ct(o.b) +
                 L + signText(o.s2) + nt(o.d) + QStringLiteral(")");
        break;
    }
}

void level2(Problem& o, int problemNumber, common::Random& r)
{
    drawOneBracket(o, problemNumber, r);
    o.e = rnd(r, 9) + 1;
    o.s3 = drawSign(r);
    o.f = rnd(r, 9) + 1;
    o.s4 = drawSign(r);
    if (o.kind == 2 || o.kind == 3)
        o.c = std::abs(o.c);
    const QChar L = o.letter;
    switch (o.kind) {
    case 1:
        o.text = QStringLiteral(" ") + ct(o.c) + L + binomial(o.a, L, o.s1, o.b) + signText(o.s2) +
                 ct(o.d) + L + signText(o.s3) + nt(o.e);
        break;
    case 2:
        o.text = QStringLiteral(" ") + ct(o.d) + L + signText(o.s2) + ct(o.c) +
                 binomial(o.a, L, o.s1, o.b) + signText(o.s3) + nt(o.e);
        break;
    case 3:
        o.text = QStringLiteral(" ") + ct(o.d) + L + signText(o.s2) + ct(o.c) + L +
                 QStringLiteral("(") + ct(o.a) + L + squareSign + signText(o.s1) + ct(o.b) + L +
                 QStringLiteral(")");
        break;
    default:
        o.text = QStringLiteral(" ") + ct(o.c) + L + binomial(o.a, L, o.s1, o.b) + signText(o.s2) +
                 ct(o.d) + L + binomial(o.e, L, o.s4, o.f);
        break;
    }
}

// The second bracket of the two-bracket levels: the same as the first in a
// square kind, else drawn.
void secondBracket(Problem& o, bool squareKind, common::Random& r)
{
    if (squareKind) {
        o.c = o.a;
        o.d = o.b;
        o.s2 = o.s1;
    } else {
        o.c = drawSigned(r, 4);
        o.d = rnd(r, 9) + 1;
        o.s2 = drawSign(r);
    }
}

// (aL ± b)² or (aL ± b)(cL ± d).
QString bracketPair(const Problem& o, bool squareKind)
{
    const QString first = binomial(o.a, o.letter, o.s1, o.b);
    if (squareKind)
        return first + squareSign;
    return first + binomial(o.c, o.letter, o.s2, o.d);
}

void level3(Problem& o, int problemNumber, common::Random& r)
{
    o.a = drawSigned(r, 4);
    o.b = rnd(r, 9) + 1;
    o.s1 = drawSign(r);
    o.kind = problemNumber % 4 != 0 ? 1 : 2;
    secondBracket(o, o.kind == 2, r);
    o.text = QStringLiteral(" ") + bracketPair(o, o.kind == 2);
}

void level4(Problem& o, int problemNumber, common::Random& r)
{
    o.a = drawSigned(r, 4);
    o.b = rnd(r, 9) + 1;
    o.s1 = drawSign(r);
    o.c = drawSigned(r, 4);
    o.d = rnd(r, 9) + 1;
    o.s2 = drawSign(r);
    o.kind = problemNumber % 4 + 1;
    const QChar L = o.letter;
    if (o.kind <= 2) {
        o.g = drawSigned(r, 9);
        o.s3 = drawSign(r);
        o.m = rnd(r, 4) + 1;
        if (o.kind == 2)
            secondBracket(o, true, r);
        o.text = QStringLiteral(" ") + ct(o.g) + L + signText(o.s3) + ct(o.m) +
                 bracketPair(o, o.kind == 2);
    } else {
        o.h = drawSigned(r, 9);
        o.g = rnd(r, 9) + 1;
        o.s4 = drawSign(r);
        o.s3 = drawSign(r);
        o.m = rnd(r, 4) + 1;
        if (o.kind == 4)
            secondBracket(o, true, r);
        o.text = QStringLiteral(" ") + ct(o.m) + bracketPair(o, o.kind == 4) + signText(o.s4) +
                 ct(o.g) + L + squareSign + signText(o.s3) + ct(o.h) + L;
    }
}

// The expanded problem, highest power first.
QString rightAnswer(const Problem& o)
{
    const QChar L = o.letter;
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f, g = o.g, h = o.h, m = o.m;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    switch (o.level) {
    case 1:
        switch (o.kind) {
        case 2:
            return polynomial(L, {{a * c, 2}, {s1 * b * c, 1}});
        case 4:
            return polynomial(L, {{a * c, 3}, {s1 * b * c, 2}, {s2 * d * c, 1}});
        default:
            return polynomial(L, {{a * c, 3}, {s1 * b * c, 2}});
        }
    case 2:
        switch (o.kind) {
        case 1:
            return polynomial(L, {{a * c, 2}, {s1 * b * c + s2 * d, 1}, {s3 * e, 0}});
        case 2:
            return polynomial(L, {{d + s2 * a * c, 1}, {s1 * s2 * b * c + s3 * e, 0}});
        case 3:
            return polynomial(L, {{s2 * a * c, 3}, {s1 * s2 * b * c, 2}, {d, 1}});
        default:
            return polynomial(L, {{a * c + s2 * d * e, 2}, {s1 * b * c + s2 * s4 * d * f, 1}});
        }
    case 3:
        return polynomial(L, {{a * c, 2}, {s1 * b * c + s2 * a * d, 1}, {s1 * s2 * b * d, 0}});
    default:
        if (o.kind <= 2)
            return polynomial(L, {{s3 * m * a * c, 2},
                                  {g + s3 * m * (s1 * b * c + s2 * a * d), 1},
                                  {s3 * m * s1 * s2 * b * d, 0}});
        return polynomial(L, {{s4 * g + m * a * c, 2},
                              {s3 * h + m * (s1 * b * c + s2 * a * d), 1},
                              {m * s1 * s2 * b * d, 0}});
    }
}

// The checks of level 2 (one pair of brackets with more terms); S1 is the
// number of first-degree letters, S2 of squares, B of brackets.
void checkLevel2(const Problem& o, Checker& k, int S1, int S2, int B)
{
    const int a = o.a, b = o.b, c = o.c, d = o.d, e = o.e, f = o.f;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    switch (o.kind) {
    case 1: {
        const int middle = s1 * b * c + s2 * d;
        k.expectCoefficient(a * c);
        k.expectCoefficient(middle);
        k.expectNumber(e);
        k.wrongIf(B > 0 || S2 != 1 || (middle != 0 && S1 != 1) || (middle == 0 && S1 != 0));
        break;
    }
    case 2:
        k.expectCoefficient(d + s2 * a * c);
        k.expectCoefficient(s1 * s2 * b * c + s3 * e);
        k.wrongIf(B > 0);
        break;
    case 3:
        k.expectCoefficient(s2 * a * c);
        k.expectCoefficient(s1 * s2 * b * c);
        if (std::abs(d) != 1)
            k.expectNumber(d);
        k.wrongIf(B > 0);
        break;
    default:
        k.expectCoefficient(a * c + s2 * d * e);
        k.expectCoefficient(s1 * b * c + s2 * s4 * d * f);
        k.wrongIf(B > 0);
        break;
    }
}

// The checks that the answer is written as short as possible. S1 is the
// number of first-degree letters, S2 of squares, S3 of cubes, B of brackets.
void checkWriting(const Problem& o, Checker& k)
{
    const Census& t = k.census();
    const int S1 = t.linear, S2 = t.squares, S3 = t.cubes, B = t.openBrackets;
    const int a = o.a, b = o.b, c = o.c, d = o.d, g = o.g, h = o.h, m = o.m;
    const int s1 = o.s1, s2 = o.s2, s3 = o.s3, s4 = o.s4;
    switch (o.level) {
    case 1:
        k.expectCoefficient(a * c);
        k.expectCoefficient(b * c);
        if (o.kind == 4)
            k.expectCoefficient(d * c);
        k.wrongIf(B > 0);
        break;
    case 2:
        checkLevel2(o, k, S1, S2, B);
        break;
    case 3:
        k.expectCoefficient(a * c);
        k.expectCoefficient(s1 * b * c + s2 * a * d);
        k.expectNumber(s1 * s2 * b * d);
        k.wrongIf(S2 != 1 || S3 > 0 || S1 > 1);
        break;
    default:
        if (o.kind <= 2) {
            k.expectCoefficient(s3 * m * a * c);
            k.expectCoefficient(g + s3 * m * (s1 * b * c + s2 * a * d));
            k.expectNumber(s3 * m * s1 * s2 * b * d);
            k.wrongIf(S2 != 1 || S3 > 0 || S1 > 1);
        } else {
            k.expectCoefficient(s4 * g + m * a * c);
            k.expectCoefficient(s3 * h + m * (s1 * b * c + s2 * a * d));
            k.expectNumber(m * s1 * s2 * b * d);
            k.wrongIf(S2 > 1 || S3 > 0 || S1 > 1);
        }
        break;
    }
}

} // namespace

Problem generate(int level, int problemNumber, common::Random& r)
{
    Problem o;
    o.level = level;
    o.letter = drawLetter(r);
    switch (level) {
    case 1:
        level1(o, problemNumber, r);
        break;
    case 2:
        level2(o, problemNumber, r);
        break;
    case 3:
        level3(o, problemNumber, r);
        break;
    default:
        o.level = 4;
        level4(o, problemNumber, r);
        break;
    }
    o.answer = rightAnswer(o);
    o.values = problemValues(o.text, o.letter);
    return o;
}

Checked check(const Problem& o, const QString& typed)
{
    const Reading l = readAnswer(typed, o.letter, o.values);
    Checked u{false, l.input};
    if (l.matches) {
        Checker k(l.census, SearchZero::No);
        checkWriting(o, k);
        u.right = k.right();
    }
    return u;
}

} // namespace brackets
