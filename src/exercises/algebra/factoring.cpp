#include "factoring.h"

#include "answer.h"
#include "texts.h"

#include <numeric>

namespace factoring {

using namespace algebra;

namespace {

// k = rnd(n) + 1, negated when k is 1 or rnd(2) = 1 (that draw is made either
// way).
int drawFactor(common::Random& r, int n)
{
    const int k = rnd(r, n) + 1;
    const bool min = rnd(r, 2) == 1;
    return (k == 1 || min) ? -k : k;
}

// q = rnd(10) + 2, negated when rnd(2) = 1.
int drawQ(common::Random& r)
{
    const int q = rnd(r, 10) + 2;
    return rnd(r, 2) == 1 ? -q : q;
}

QString L2(QChar L)
{
    return L + squareSign;
}
QString L3(QChar L)
{
    return L + cubeSign;
}

// "(L ± |p|)(L ± |q|)".
QString bracketsPQ(QChar L, int p, int q)
{
    return QStringLiteral("(") + L + sg(p) + nt(std::abs(p)) + QStringLiteral(")(") + L + sg(q) +
           nt(std::abs(q)) + QStringLiteral(")");
}

void level1(Problem& o, int problemNumber, common::Random& r)
{
    o.kind = problemNumber % 4 + 1;
    int s, bInProblem;
    bool rejected;
    do {
        o.a = rnd(r, 10) + 1;
        o.b = rnd(r, 9) + 1;
        o.c = rnd(r, 20) - 10;
        s = drawSign(r);
        bInProblem = o.b;
        if (o.c < 0) {
            s = -s;
            bInProblem = -o.b;
        }
        rejected = std::gcd(o.a, o.b) > 1 || o.c == 0 || o.a == 1 ||
                   (o.kind == 4 && s * o.a * bInProblem * o.c < 0);
    } while (rejected);
    o.s = s;
    const QChar L = o.letter;
    const int P = o.c * o.a, Q = o.c * bInProblem;
    const QString sign = signText(s);
    switch (o.kind) {
    case 1:
        o.text = QStringLiteral(" ") + ct(P) + L + sign + nt(Q);
        break;
    case 2:
        o.text = QStringLiteral(" ") + ct(P) + L2(L) + sign + ct(Q) + L;
        break;
    case 3:
        o.text = QStringLiteral(" ") + ct(P) + L3(L) + sign + ct(Q) + L2(L);
        break;
    default:
        o.text = QStringLiteral(" ") + ct(P) + L2(L) + sign + nt(Q);
        break;
    }

    // The answer shows the drawn factor c and the sign as drawn.
    const QString inside =
        ct(o.a) + (o.kind == 4 ? L2(L) : QString(L)) + signText(o.c < 0 ? -s : s) + nt(o.b);
    switch (o.kind) {
    case 2:
        o.answer = ct(o.c) + L + QStringLiteral("(") + inside + QStringLiteral(")");
        break;
    case 3:
        o.answer = ct(o.c) + L2(L) + QStringLiteral("(") + inside + QStringLiteral(")");
        break;
    default:
        o.answer = o.c == 1 ? inside : ct(o.c) + QStringLiteral("(") + inside + QStringLiteral(")");
        break;
    }
}

void level2(Problem& o, int problemNumber, common::Random& r)
{
    const QChar L = o.letter;
    if (problemNumber % 4 != 0) {
        o.kind = 1;
        o.p = drawSigned(r, 10);
        o.q = drawQ(r);
        o.text = QStringLiteral(" ") + L2(L) + furtherTerm(o.p + o.q, QString(L)) + sg(o.p * o.q) +
                 nt(std::abs(o.p * o.q));
        o.answer = bracketsPQ(L, o.p, o.q);
    } else {
        // A trinomial that cannot be factored.
        o.kind = 2;
        do {
            o.p = drawSigned(r, 10);
            o.q = drawSigned(r, 80);
        } while (o.p * o.p - 4 * o.q >= 0);
        o.text = QStringLiteral(" ") + L2(L) + furtherTerm(o.p, QString(L)) + sg(o.q) +
                 nt(std::abs(o.q));
        o.answer = o.text;
    }
}

} // namespace

QString fallingPowers(const Problem& o)
{
    const QChar L = o.letter;
    const int k = o.k, p = o.p, q = o.q;
    return ct(k) + L3(L) + furtherTerm(k * (p + q), L2(L)) + sg(k * p * q) +
           nt(std::abs(k * p * q)) + L;
}

namespace {

void level3(Problem& o, int problemNumber, common::Random& r)
{
    const QChar L = o.letter;
    if (problemNumber % 4 != 0) {
        o.p = drawSigned(r, 10);
        o.q = drawQ(r);
        o.k = drawFactor(r, 6);
        o.kind = problemNumber % 4 == 1 ? 1 : problemNumber % 4;
        const int k = o.k, p = o.p, q = o.q;
        switch (o.kind) {
        case 1:
            o.text = QStringLiteral(" ") + ct(k) + L2(L) + furtherTerm(k * (p + q), QString(L)) +
                     sg(k * p * q) + nt(std::abs(k * p * q));
            o.answer = ct(k) + bracketsPQ(L, p, q);
            break;
        case 2:
            o.text = QStringLiteral(" ") + fallingPowers(o);
            o.answer = ct(k) + L + bracketsPQ(L, p, q);
            break;
        default: // rising powers, the cubic term with its number text
            o.text = QStringLiteral(" ") + ct(k * p * q) + L + furtherTerm(k * (p + q), L2(L)) +
                     sg(k) + nt(std::abs(k)) + L3(L);
            o.answer = ct(k) + L + bracketsPQ(L, p, q);
            break;
        }
    } else {
        // Only a common factor can be taken out.
        o.kind = 4;
        do {
            o.p = drawSigned(r, 10);
            o.q = drawSigned(r, 10);
        } while (o.p * o.p - 4 * o.q >= 0);
        o.k = drawFactor(r, 10);
        const int k = o.k, p = o.p, q = o.q;
        o.text = QStringLiteral(" ") + ct(k) + L3(L) + furtherTerm(k * p, L2(L)) + sg(k * q) +
                 ct(std::abs(k * q)) + L;
        o.answer = ct(k) + L + QStringLiteral("(") + L2(L) + furtherTerm(p, QString(L)) + sg(q) +
                   nt(std::abs(q)) + QStringLiteral(")");
    }
}

// The checks that the answer is factored as far as it goes. S1 is the
// number of first-degree letters, S2 of squares, S3 of cubes, B of brackets.
void checkWriting(const Problem& o, Checker& k)
{
    const Census& t = k.census();
    const int S1 = t.linear, S2 = t.squares, S3 = t.cubes, B = t.openBrackets;
    switch (o.level) {
    case 1:
        k.expectCoefficient(o.a);
        k.expectCoefficient(o.b);
        k.expectCoefficient(o.c);
        // A number factor must stand before a bracket pair: "6*2x+6*1" holds
        // the right numbers but factors nothing out.
        if ((o.kind == 1 || o.kind == 4) && std::abs(o.c) > 1)
            k.wrongIf(B < 1);
        if (o.kind == 2)
            k.wrongIf(S2 > 0);
        else if (o.kind == 3)
            k.wrongIf(S3 > 0 || S1 != 1 || S2 != 1);
        break;
    case 2:
        if (o.kind == 1) {
            k.expectNumber(o.p);
            k.expectNumber(o.q);
            k.wrongIf(B < 2 || S1 < 2 || S2 > 0);
        } else {
            k.expectCoefficient(o.p);
            k.expectCoefficient(o.q);
            k.wrongIf(S2 != 1);
        }
        break;
    default:
        k.expectCoefficient(o.p);
        k.expectCoefficient(o.q);
        k.expectCoefficient(o.k);
        if (o.kind == 1)
            k.wrongIf(S2 > 0 || S3 > 0 || S1 != 2 || B < 2);
        else if (o.kind == 4)
            k.wrongIf(S1 < 1 || S2 != 1 || S3 > 0 || B < 1);
        else
            k.wrongIf(S2 > 0 || S3 > 0 || S1 != 3 || B < 2);
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
    default:
        o.level = 3;
        level3(o, problemNumber, r);
        break;
    }
    o.values = problemValues(o.text, o.letter);
    return o;
}

Checked check(const Problem& o, const QString& typed)
{
    const Reading l = readAnswer(typed, o.letter, o.values);
    Checked u{false, l.input, false};
    if (l.matches) {
        Checker k(l.census, SearchZero::Yes);
        checkWriting(o, k);
        u.right = k.right();
        u.better = u.right && o.level == 1 && o.c < 0 && !l.input.startsWith(QLatin1Char('-'));
    }
    return u;
}

QString betterMessage(const Problem& o)
{
    return QStringLiteral("Het is goed, maar beter is:  ") + o.answer;
}

QString betterLine(const Problem& o)
{
    return QStringLiteral(" maar beter is: ") + o.answer;
}

} // namespace factoring
