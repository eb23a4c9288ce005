#include "explanation.h"

#include "common/numbertext.h"

#include <utility>

namespace equations {

using common::Str;
using common::StrSingle;

namespace {

const QChar CR(13);

// Builds the text line by line; coefficient texts go through appendCoefficient.
class Text {
public:
    explicit Text(QString begin) : t_(std::move(begin)) {}
    Text& line(const QString& s = {})
    {
        t_ += CR + s;
        return *this;
    }
    Text& operator<<(const QString& s)
    {
        t_ += s;
        return *this;
    }
    Text& coef(int k)
    {
        appendCoefficient(t_, k);
        return *this;
    }
    QString text() const { return t_; }

private:
    QString t_;
};

QString S(const char* s)
{
    return QString::fromUtf8(s);
}

QString header(const Equation& v)
{
    if (v.level == 6)
        return S("Oplossing in stappen:  Eerst de haakjes wegwerken.");
    if (v.level == 5 && v.kind == 3)
        return S("Oplossing in stappen:  Eerst op 0 herleiden.");
    return S("Oplossing in stappen: ");
}

void coverUpLinear(const Equation& v, Text& t)
{
    t.line(Str(v.a) + v.letter + S(" = ") + Str(v.c - v.e * v.b));
    t.line(v.letter + S(" = ") + StrSingle(solution(v)));
}

void coverUpFraction(const Equation& v, Text& t)
{
    const int denominator = v.a / v.c; // whole: k·x + e·b at the solution
    const QString L = v.letter;
    const QString kt = v.level == 2 ? Str(v.k) : QString();
    t.line();
    t.line(Str(v.a) + S(" gedeeld door ") + Str(denominator) + S(" is ") + Str(v.c) + S(" , dus:"));
    t.line();
    t.line(kt + L + S(" + ") + Str(v.e * v.b) + S(" = ") + Str(denominator));
    if (v.level == 2)
        t.line(Str(v.k) + L + S(" = ") + Str(denominator - v.e * v.b));
    t.line(L + S(" = ") + StrSingle(solution(v)));
}

void balance(const Equation& v, Text& t)
{
    const QString L = v.letter;
    t.line().coef(v.a - v.c) << L + S(" ") + operatorText(v, v.e1) + Str(v.b) + S(" = ") +
                                    Str(v.e2 * v.d);
    t.line().coef(v.a - v.c) << L + S(" = ") + Str(v.e2 * v.d - v.e1 * v.b);
    t.line(L + S(" = ") + StrSingle(solution(v)));
}

void brackets(const Equation& v, Text& t)
{
    const QString L = v.letter;
    const int pq = v.e1 * v.p * v.q;
    const int pr = v.e1 * v.p * v.e3 * v.r;
    const int left = v.a + pq;
    t.line().coef(v.a) << L + S("  + ") + Str(pq) + L + S(" + ") + Str(pr) + S(" = ");
    t.coef(v.c) << L + operatorText(v, v.e2) + Str(v.d);
    t.line().coef(left);
    if (left != 0)
        t << L + S(" + ");
    t << Str(pr) + S(" = ");
    t.coef(v.c) << L + S(" + ") + Str(v.e2 * v.d);
    t.line(Str(left - v.c) + L + S(" + ") + Str(pr) + S(" = ") + Str(v.e2 * v.d));
    t.line(Str(left - v.c) + L + S(" = ") + Str(v.e2 * v.d - pr));
    t.line(L + S(" = ") + StrSingle(solution(v)));
}

void quadratic1(const Equation& v, Text& t)
{
    const QString L = v.letter;
    const int e1a = v.e1 * v.a;
    const int e2c = v.e2 * v.c;
    const int sum = e1a + e2c;
    const int product = e1a * e2c;
    const QString zeros = L + operatorText(v, v.e1) + Str(v.a) + S(" = 0  of  ") + L +
                          operatorText(v, v.e2) + Str(v.c) + S(" = 0");
    switch (v.kind) {
    case 1:
        t.line();
        t.line(S("Zoek twee getallen waarvan de som ") + Str(sum) + S(" is") +
               S(" en het product ") + Str(product));
        t.line(S("Dat zijn ") + Str(e1a) + S(" en ") + Str(e2c));
        t.line(S("Je krijgt dan  (") + L + S(" + ") + Str(e1a) + S(")(") + L + S(" + ") + Str(e2c) +
               S(") = 0"));
        break;
    case 2:
        t.line(zeros + S(" "));
        break;
    default:
        t.line(L + S("²"));
        if (sum != 0)
            t << S(" + ");
        t.coef(sum);
        if (sum != 0)
            t << L;
        t << S(" + ") + Str(product) + S(" = 0 ");
        t.line(S(" (") + L + operatorText(v, v.e1) + Str(v.a) + S(")(") + L +
               operatorText(v, v.e2) + Str(v.c) + S(")=0"));
        t.line(zeros);
        break;
    }
    const Solutions s = solutions(v);
    t.line(S("Oplossing: ") + L + S(" = ") + StrSingle(s.s1) + S(" of ") + L + S(" = ") +
           StrSingle(s.s2));
    t.line();
}

// The middle of x² + S'·x + P' and its multiples: " + 3x + " before the
// number, or " + " alone when there is no letter term.
void middleTerm(Text& t, int coef, const QString& L)
{
    t << S(" + ");
    if (coef != 0)
        t.coef(coef) << L + S(" + ");
}

void quadratic2Solution(const Equation& v, Text& t);

void quadratic2(const Equation& v, Text& t)
{
    const QString L = v.letter;
    const int eB = v.e * v.B;
    const int Sa = v.e5 * v.s + v.e4 * v.q;
    const int Pa = v.e5 * v.s * v.e4 * v.q;
    const int factor = v.A + eB;

    QString rightSide;
    appendCoefficient(rightSide, v.K1);
    if (v.K1 != 0)
        rightSide += L;
    if (v.K1 != 0 && v.K0 != 0)
        rightSide += S(" + ");
    if (v.K0 != 0)
        rightSide += Str(v.K0);
    if (v.K1 == 0 && v.K0 == 0)
        rightSide = Str(0);

    if (eB != 1) {
        t.line().coef(v.A) << L + S("²") + S(" ") + operatorText(v, v.e);
        t.coef(v.B) << S("(") + L + S("²") + S(" ");
        if (Sa != 0) {
            t << S(" + ");
            t.coef(Sa) << L;
        }
        t << S(" + ") + Str(Pa) + S(") = ") + rightSide;
    }
    t.line().coef(v.A) << L + S("²") + S(" + ");
    t.coef(eB) << L + S("²");
    middleTerm(t, eB * Sa, L);
    t << Str(eB * Pa) + S(" = ") + rightSide;

    t.line().coef(factor) << L + S("²");
    middleTerm(t, eB * Sa, L);
    t << Str(eB * Pa) + S(" = ") + rightSide;

    t.line().coef(factor) << L + S("²");
    if (eB * Sa - v.K1 != 0) {
        t << S(" + ");
        t.coef(eB * Sa - v.K1) << L;
    }
    if (eB * Pa - v.K0 != 0)
        t << S(" + ") + Str(eB * Pa - v.K0);
    t << S(" = 0");

    quadratic2Solution(v, t);
}

// The last lines of a level 6 solution: the product form and the solutions,
// or the abc formula when the solutions are halves.
void quadratic2Solution(const Equation& v, Text& t)
{
    const QString L = v.letter;
    const QString R1 = StrSingle(v.solution1);
    const QString R2 = StrSingle(v.solution2);
    const QString min1 = StrSingle(-v.solution1);
    const QString min2 = StrSingle(-v.solution2);
    auto solutionLine = [&](const QString& first, const QString& second) {
        t.line(S("Oplossing: ") + L + S(" = ") + first + S(" of ") + L + S(" = ") + second);
    };
    if (v.kind == 1) {
        t.line(S("abc-formule"));
        solutionLine(min1, min2);
        return;
    }
    const int r1 = static_cast<int>(v.solution1); // whole when kind is 0
    const int r2 = static_cast<int>(v.solution2);
    t.line(L + S("²"));
    if (r1 + r2 != 0) {
        t << S(" + ");
        t.coef(r1 + r2) << L;
    }
    if (r1 * r2 != 0)
        t << S(" + ") + Str(r1 * r2);
    t << S(" = 0 ");
    if (r1 != 0 && r2 != 0) {
        t.line(S(" (") + L + S(" + ") + R1 + S(")(") + L + S(" + ") + R2 + S(") = 0"));
        t.line(L + S(" + ") + R1 + S(" = 0  of  ") + L + S(" + ") + R2 + S(" = 0"));
        solutionLine(min1, min2);
    } else if (r1 == 0) {
        t.line(L + S("(") + L + S(" + ") + R2 + S(") = 0"));
        t.line(L + S(" = 0  of  ") + L + S(" + ") + R2 + S(" = 0"));
        solutionLine(min1, min2);
    } else {
        t.line(L + S("(") + L + S(" + ") + R1 + S(") = 0"));
        t.line(L + S(" = 0  of  ") + L + S(" + ") + R1 + S(" = 0"));
        solutionLine(min2, min1);
    }
}

QString title(int level)
{
    switch (level) {
    case 1:
    case 2:
        return S("Bordjesmanier");
    case 3:
    case 4:
        return S("Weegschaalmethode");
    case 5:
        return S("Kwadr. vergelijkingen niveau 1");
    default:
        return S("Kwadr. vergelijkingen niveau 2");
    }
}

} // namespace

Explanation explain(const Equation& v)
{
    Text t(v.text);
    t.line(QString(51, QLatin1Char('_')));
    t.line();
    t.line(header(v));
    switch (v.level) {
    case 1:
    case 2:
        v.isFraction() ? coverUpFraction(v, t) : coverUpLinear(v, t);
        break;
    case 3:
    case 4:
        v.isBracketForm() ? brackets(v, t) : balance(v, t);
        break;
    case 5:
        quadratic1(v, t);
        break;
    default:
        quadratic2(v, t);
        break;
    }
    return {title(v.level), t.text()};
}

} // namespace equations
