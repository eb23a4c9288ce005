#include "uitleg.h"

#include "common/numbertext.h"

#include <utility>

namespace equations {

using common::Str;
using common::StrSingle;

namespace {

const QChar CR(13);

// Builds the text line by line; coefficient texts go through voegtoeuitleg.
class Tekst {
public:
    explicit Tekst(QString begin) : t_(std::move(begin)) {}
    Tekst& regel(const QString& s = {})
    {
        t_ += CR + s;
        return *this;
    }
    Tekst& operator<<(const QString& s)
    {
        t_ += s;
        return *this;
    }
    Tekst& coef(int k)
    {
        voegtoeuitleg(t_, k);
        return *this;
    }
    QString tekst() const { return t_; }

private:
    QString t_;
};

QString S(const char* s)
{
    return QString::fromUtf8(s);
}

QString kop(const Vergelijking& v)
{
    if (v.niveau == 6)
        return S("Oplossing in stappen:  Eerst de haakjes wegwerken.");
    if (v.niveau == 5 && v.vergsoort == 3)
        return S("Oplossing in stappen:  Eerst op 0 herleiden.");
    return S("Oplossing in stappen: ");
}

void bordjesLineair(const Vergelijking& v, Tekst& t)
{
    t.regel(Str(v.a) + v.letter + S(" = ") + Str(v.c - v.e * v.b));
    t.regel(v.letter + S(" = ") + StrSingle(oplossing(v)));
}

void bordjesBreuk(const Vergelijking& v, Tekst& t)
{
    const int noemer = v.a / v.c; // whole: k·x + e·b at the solution
    const QString L = v.letter;
    const QString kt = v.niveau == 2 ? Str(v.k) : QString();
    t.regel();
    t.regel(Str(v.a) + S(" gedeeld door ") + Str(noemer) + S(" is ") + Str(v.c) + S(" , dus:"));
    t.regel();
    t.regel(kt + L + S(" + ") + Str(v.e * v.b) + S(" = ") + Str(noemer));
    if (v.niveau == 2)
        t.regel(Str(v.k) + L + S(" = ") + Str(noemer - v.e * v.b));
    t.regel(L + S(" = ") + StrSingle(oplossing(v)));
}

void weegschaal(const Vergelijking& v, Tekst& t)
{
    const QString L = v.letter;
    t.regel().coef(v.a - v.c) << L + S(" ") + operatorTekst(v, v.e1) + Str(v.b) + S(" = ") +
                                     Str(v.e2 * v.d);
    t.regel().coef(v.a - v.c) << L + S(" = ") + Str(v.e2 * v.d - v.e1 * v.b);
    t.regel(L + S(" = ") + StrSingle(oplossing(v)));
}

void haakjes(const Vergelijking& v, Tekst& t)
{
    const QString L = v.letter;
    const int pq = v.e1 * v.p * v.q;
    const int pr = v.e1 * v.p * v.e3 * v.r;
    const int links = v.a + pq;
    t.regel().coef(v.a) << L + S("  + ") + Str(pq) + L + S(" + ") + Str(pr) + S(" = ");
    t.coef(v.c) << L + operatorTekst(v, v.e2) + Str(v.d);
    t.regel().coef(links);
    if (links != 0)
        t << L + S(" + ");
    t << Str(pr) + S(" = ");
    t.coef(v.c) << L + S(" + ") + Str(v.e2 * v.d);
    t.regel(Str(links - v.c) + L + S(" + ") + Str(pr) + S(" = ") + Str(v.e2 * v.d));
    t.regel(Str(links - v.c) + L + S(" = ") + Str(v.e2 * v.d - pr));
    t.regel(L + S(" = ") + StrSingle(oplossing(v)));
}

void kwadratisch1(const Vergelijking& v, Tekst& t)
{
    const QString L = v.letter;
    const int e1a = v.e1 * v.a;
    const int e2c = v.e2 * v.c;
    const int som = e1a + e2c;
    const int product = e1a * e2c;
    const QString nullen = L + operatorTekst(v, v.e1) + Str(v.a) + S(" = 0  of  ") + L +
                           operatorTekst(v, v.e2) + Str(v.c) + S(" = 0");
    switch (v.vergsoort) {
    case 1:
        t.regel();
        t.regel(S("Zoek twee getallen waarvan de som ") + Str(som) + S(" is") +
                S(" en het product ") + Str(product));
        t.regel(S("Dat zijn ") + Str(e1a) + S(" en ") + Str(e2c));
        t.regel(S("Je krijgt dan  (") + L + S(" + ") + Str(e1a) + S(")(") + L + S(" + ") +
                Str(e2c) + S(") = 0"));
        break;
    case 2:
        t.regel(nullen + S(" "));
        break;
    default:
        t.regel(L + S("²"));
        if (som != 0)
            t << S(" + ");
        t.coef(som);
        if (som != 0)
            t << L;
        t << S(" + ") + Str(product) + S(" = 0 ");
        t.regel(S(" (") + L + operatorTekst(v, v.e1) + Str(v.a) + S(")(") + L +
                operatorTekst(v, v.e2) + Str(v.c) + S(")=0"));
        t.regel(nullen);
        break;
    }
    const Oplossingen s = oplossingen(v);
    t.regel(S("Oplossing: ") + L + S(" = ") + StrSingle(s.s1) + S(" of ") + L + S(" = ") +
            StrSingle(s.s2));
    t.regel();
}

// The middle of x² + S'·x + P' and its multiples: " + 3x + " before the
// number, or " + " alone when there is no letter term.
void middenterm(Tekst& t, int coef, const QString& L)
{
    t << S(" + ");
    if (coef != 0)
        t.coef(coef) << L + S(" + ");
}

void kwadratisch2Oplossing(const Vergelijking& v, Tekst& t);

void kwadratisch2(const Vergelijking& v, Tekst& t)
{
    const QString L = v.letter;
    const int eB = v.e * v.B;
    const int Sa = v.e5 * v.s + v.e4 * v.q;
    const int Pa = v.e5 * v.s * v.e4 * v.q;
    const int factor = v.A + eB;

    QString rechts;
    voegtoeuitleg(rechts, v.K1);
    if (v.K1 != 0)
        rechts += L;
    if (v.K1 != 0 && v.K0 != 0)
        rechts += S(" + ");
    if (v.K0 != 0)
        rechts += Str(v.K0);
    if (v.K1 == 0 && v.K0 == 0)
        rechts = Str(0);

    if (eB != 1) {
        t.regel().coef(v.A) << L + S("²") + S(" ") + operatorTekst(v, v.e);
        t.coef(v.B) << S("(") + L + S("²") + S(" ");
        if (Sa != 0) {
            t << S(" + ");
            t.coef(Sa) << L;
        }
        t << S(" + ") + Str(Pa) + S(") = ") + rechts;
    }
    t.regel().coef(v.A) << L + S("²") + S(" + ");
    t.coef(eB) << L + S("²");
    middenterm(t, eB * Sa, L);
    t << Str(eB * Pa) + S(" = ") + rechts;

    t.regel().coef(factor) << L + S("²");
    middenterm(t, eB * Sa, L);
    t << Str(eB * Pa) + S(" = ") + rechts;

    t.regel().coef(factor) << L + S("²");
    if (eB * Sa - v.K1 != 0) {
        t << S(" + ");
        t.coef(eB * Sa - v.K1) << L;
    }
    if (eB * Pa - v.K0 != 0)
        t << S(" + ") + Str(eB * Pa - v.K0);
    t << S(" = 0");

    kwadratisch2Oplossing(v, t);
}

// The last lines of a level 6 solution: the product form and the solutions,
// or the abc formula when the solutions are halves.
void kwadratisch2Oplossing(const Vergelijking& v, Tekst& t)
{
    const QString L = v.letter;
    const QString R1 = StrSingle(v.oplossing1);
    const QString R2 = StrSingle(v.oplossing2);
    const QString min1 = StrSingle(-v.oplossing1);
    const QString min2 = StrSingle(-v.oplossing2);
    auto oplossingsregel = [&](const QString& eerste, const QString& tweede) {
        t.regel(S("Oplossing: ") + L + S(" = ") + eerste + S(" of ") + L + S(" = ") + tweede);
    };
    if (v.vergsoort == 1) {
        t.regel(S("abc-formule"));
        oplossingsregel(min1, min2);
        return;
    }
    const int r1 = static_cast<int>(v.oplossing1); // whole when vergsoort is 0
    const int r2 = static_cast<int>(v.oplossing2);
    t.regel(L + S("²"));
    if (r1 + r2 != 0) {
        t << S(" + ");
        t.coef(r1 + r2) << L;
    }
    if (r1 * r2 != 0)
        t << S(" + ") + Str(r1 * r2);
    t << S(" = 0 ");
    if (r1 != 0 && r2 != 0) {
        t.regel(S(" (") + L + S(" + ") + R1 + S(")(") + L + S(" + ") + R2 + S(") = 0"));
        t.regel(L + S(" + ") + R1 + S(" = 0  of  ") + L + S(" + ") + R2 + S(" = 0"));
        oplossingsregel(min1, min2);
    } else if (r1 == 0) {
        t.regel(L + S("(") + L + S(" + ") + R2 + S(") = 0"));
        t.regel(L + S(" = 0  of  ") + L + S(" + ") + R2 + S(" = 0"));
        oplossingsregel(min1, min2);
    } else {
        t.regel(L + S("(") + L + S(" + ") + R1 + S(") = 0"));
        t.regel(L + S(" = 0  of  ") + L + S(" + ") + R1 + S(" = 0"));
        oplossingsregel(min2, min1);
    }
}

QString titel(int niveau)
{
    switch (niveau) {
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

Uitleg uitleg(const Vergelijking& v)
{
    Tekst t(v.vergtekst);
    t.regel(QString(51, QLatin1Char('_')));
    t.regel();
    t.regel(kop(v));
    switch (v.niveau) {
    case 1:
    case 2:
        v.isBreuk() ? bordjesBreuk(v, t) : bordjesLineair(v, t);
        break;
    case 3:
    case 4:
        v.isHaakjesvorm() ? haakjes(v, t) : weegschaal(v, t);
        break;
    case 5:
        kwadratisch1(v, t);
        break;
    default:
        kwadratisch2(v, t);
        break;
    }
    return {titel(v.niveau), t.tekst()};
}

} // namespace equations
