#include "exercises/sums/explanation.h"

#include "common/numbertext.h"

#include <QStringList>
#include <cmath>
#include <cstdlib>

namespace sums {

using common::Str;

namespace {

const QString kUnderline(51, QLatin1Char('_'));

// The text of a quantity counted in whole units of 1/scale, so that sums
// and differences of tenths stay exact tenths.
struct Units {
    long scale;
    QString operator()(long q) const { return Str(static_cast<double>(q) / scale); }
};

long whole(double x)
{
    return std::lround(x);
}

void opening(QStringList& out, const QString& first, const QString& start)
{
    out << first << kUnderline << QString()
        << QStringLiteral("Denk bij optellen en aftrekken altijd aan de temperatuur") << QString()
        << QStringLiteral("De begintemperatuur is ") + start + QStringLiteral(" graden.")
        << QString();
}

// The numbers of a sum and the sentences its explanation shares.
struct Sum {
    Units t;
    long x1, x2, A, B;
    QString so, becomes, plus;
    QString minus(long big, long small) const
    {
        return t(big) + QStringLiteral(" - ") + t(small) + QStringLiteral(" = ") + t(big - small);
    }
};

// Warm blocks put in or taken out (the second number is positive).
void warmBlocks(QStringList& out, const Sum& s, bool added)
{
    const Units& t = s.t;
    if (!added) {
        out << QStringLiteral(
                   "Er worden warme blokjes uitgehaald, dus het wordt kouder ( - + = - )")
            << QString()
            << QStringLiteral("Het is al onder 0 en er worden warme blokjes uitgehaald, dus het "
                              "wordt nog kouder")
            << s.plus << s.becomes;
        return;
    }
    out << QStringLiteral("Er komen warme blokjes bij, dus het wordt warmer") << QString();
    if (s.B > s.A)
        out << QStringLiteral("Met ") + t(s.A) +
                   QStringLiteral(" warme blokjes erbij is het 0 graden")
            << s.minus(s.B, s.A)
            << QStringLiteral("Dan zijn er nog ") + t(s.B - s.A) +
                   QStringLiteral(" warme blokjes over") + s.so;
    else
        out << QStringLiteral("Er komen te weinig warme blokjes bij om het 0 graden te maken")
            << s.minus(s.A, s.B)
            << QStringLiteral("Er zijn ") + t(s.A - s.B) + QStringLiteral(" te weinig") + s.so;
}

// Cold blocks put in or taken out (the second number is negative).
void coldBlocks(QStringList& out, const Sum& s, bool added)
{
    const Units& t = s.t;
    if (added) {
        out << QStringLiteral("Er worden koude blokjes bijgedaan, dus het wordt kouder ( + - = - )")
            << QString();
        if (s.x1 > 0 && s.B > s.A)
            out << QStringLiteral("Met ") + t(s.A) +
                       QStringLiteral(" koude blokjes erbij is het 0 graden")
                << s.minus(s.B, s.A)
                << QStringLiteral("Dan worden er nog ") + t(s.B - s.A) +
                       QStringLiteral(" koude blokjes bijgedaan") + s.so;
        else if (s.x1 > 0)
            out << s.becomes;
        else
            out << QStringLiteral("Het is al onder 0 en er worden koude blokjes bijgedaan, dus het "
                                  "wordt nog kouder ")
                << s.plus << s.becomes;
        return;
    }
    out << QStringLiteral("Er worden koude blokjes uitgehaald, dus het wordt warmer ( - - = + )");
    if (s.x1 > 0)
        out << QStringLiteral("Het is al boven 0 en er worden koude blokjes uitgehaald, dus het "
                              "wordt nog warmer")
            << s.plus << s.becomes;
    else if (s.B > s.A)
        out << QStringLiteral("Met ") + t(s.A) +
                   QStringLiteral(" koude blokjes eruit is het 0 graden")
            << s.minus(s.B, s.A)
            << QStringLiteral("Dan worden er nog ") + t(s.B - s.A) +
                   QStringLiteral(" koude blokjes uitgehaald") + s.so;
    else
        out << QStringLiteral(
                   "Er worden te weinig koude blokjes uitgehaald om het 0 graden te maken")
            << s.minus(s.A, s.B)
            << QStringLiteral("Er zijn ") + t(s.A - s.B) + QStringLiteral(" te weinig") + s.so;
}

QString sumAsked(const Problem& p)
{
    const Units t{p.mode.tenths ? 10 : 1};
    const long x1 = whole(p.number1), x2 = whole(p.number2);
    const int T = p.sign;
    const long A = std::labs(x1), B = std::labs(x2), R = x1 + T * x2;
    QStringList out;
    opening(out, t(x1) + p.operationText1 + t(x2) + QStringLiteral("  =  "), t(x1));
    const Sum s{t,
                x1,
                x2,
                A,
                B,
                QStringLiteral(", dus het wordt ") + t(R) + QStringLiteral(" graden."),
                QStringLiteral("Het wordt dus ") + t(R) + QStringLiteral(" graden."),
                t(A) + QStringLiteral(" + ") + t(B) + QStringLiteral(" = ") + t(A + B)};
    if (x2 > 0)
        warmBlocks(out, s, T == 1);
    else
        coldBlocks(out, s, T == 1);
    return out.join(QChar(13));
}

QString secondAsked(const Problem& p)
{
    const long a = whole(p.number1), b = whole(p.number2);
    const int T = p.sign;
    const long c = a + T * b;
    const long A = std::labs(a), B = std::labs(b), C = std::labs(c);
    QStringList out;
    opening(out, Str(a) + p.operationText1 + QStringLiteral("......  =  ") + Str(c), Str(a));
    out << (T == 1 ? QStringLiteral("Er staat een + dus er moeten blokjes bij.")
                   : QStringLiteral("Er staat een - dus er moeten blokjes uit."))
        << QString();

    const bool warm = b > 0;
    const QString W = warm ? QStringLiteral("warme") : QStringLiteral("koude");
    const QString E = T == 1 ? QStringLiteral("bij") : QStringLiteral("uit");
    if (T == 1)
        out << (warm ? QStringLiteral("Het wordt warmer, dus er moeten warme blokjes bij")
                     : QStringLiteral("Het wordt kouder, dus er moeten koude blokjes bij"));
    else
        out << (warm ? QStringLiteral("Het wordt kouder, dus er moeten warme blokjes uit")
                     : QStringLiteral("Het wordt warmer, dus er moeten koude blokjes uit."));

    const QString blocks =
        QLatin1Char(' ') + W + QStringLiteral(" blokjes ") + E + QLatin1Char('.');
    const QString total = QStringLiteral("Er moeten ") + Str(B) + blocks;
    if ((a > 0) == (c > 0)) {
        if (C > A)
            out << Str(C) + QStringLiteral(" - ") + Str(A) + QStringLiteral(" = ") + Str(C - A);
        else
            out << Str(A) + QStringLiteral(" - ") + Str(C) + QStringLiteral(" = ") + Str(A - C);
        out << total;
    } else {
        const QString act =
            T == 1 ? QStringLiteral(" blokjes bijdoet") : QStringLiteral(" blokjes uithaalt");
        out << QStringLiteral("Als je er ") + Str(A) + QLatin1Char(' ') + W + act +
                   QStringLiteral(" wordt het 0 graden.")
            << QStringLiteral("Dan moeten er nog ") + Str(C) + blocks
            << Str(C) + QStringLiteral(" + ") + Str(A) + QStringLiteral(" = ") + Str(A + C)
            << QStringLiteral("In totaal moeten er ") + Str(B) + blocks;
    }
    out << QStringLiteral("Het antwoord is dus ") + Str(b) << QString();
    return out.join(QChar(13));
}

QString product(const Problem& p)
{
    const double a = p.number1, b = p.number2;
    const double A = std::fabs(a), B = std::fabs(b);
    const QString x = QStringLiteral("  x  "), is = QStringLiteral("  =  ");
    const QString indent(11, QLatin1Char(' '));
    QStringList out;
    out << (p.mode.secondHidden ? Str(a) + x + QStringLiteral(".......") + is + Str(a * b)
                                : Str(a) + x + Str(b) + is)
        << kUnderline << QString()
        << QStringLiteral("Uitleg: ") + Str(A) + x + Str(B) + is + Str(A * B)
        << indent + Str(-A) + x + Str(B) + is + Str(-A * B)
        << indent + Str(A) + x + Str(-B) + is + Str(-A * B)
        << indent + Str(-A) + x + Str(-B) + is + Str(A * B) << QStringLiteral("Dus: ")
        << Str(a) + x + Str(b) + is + Str(a * b) << QString();
    return out.join(QChar(13));
}

QString threeTerms(const Problem& p)
{
    const double a = p.number1, b = p.number2, e = p.number3;
    QString first, second;
    double v;
    if (p.operation2 == 2 && p.operation1 != 2) {
        v = b * e;
        first = Str(b) + p.operationText2 + Str(e);
        second = Str(a) + p.operationText1 + Str(v);
    } else {
        v = p.operation1 == 2 ? a * b : a + p.operation1 * b;
        first = Str(a) + p.operationText1 + Str(b);
        second = Str(v) + p.operationText2 + Str(e);
    }
    QStringList out;
    out << Str(a) + p.operationText1 + Str(b) + p.operationText2 + Str(e) + QStringLiteral("  =  ")
        << kUnderline << QString()
        << QStringLiteral("Bereken eerst  ") + first + QStringLiteral("     ,dat is ") + Str(v)
        << QString()
        << QStringLiteral("bereken dan ") + second + QStringLiteral("    , dat is  ") + Str(p.value)
        << QString() << QStringLiteral("Dus de uitkomst is ") + Str(p.value) << QString();
    return out.join(QChar(13));
}

} // namespace

QString explain(const Problem& p)
{
    if (p.mode.kind == 2)
        return product(p);
    if (p.mode.threeTerms)
        return threeTerms(p);
    return p.mode.secondHidden ? secondAsked(p) : sumAsked(p);
}

} // namespace sums
