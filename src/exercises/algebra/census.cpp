#include "census.h"

#include <cstdlib>

namespace algebra {

namespace {

// Replaces every `van` by `naar` and returns how many there were.
int vervang(QString& tekst, QLatin1String van, QChar naar)
{
    const int aantal = int(tekst.count(van));
    if (aantal > 0)
        tekst.replace(van, QString(naar));
    return aantal;
}

// Counts where `patroon` begins, overlapping matches included.
int telOverlappend(const QString& tekst, const QString& patroon)
{
    int aantal = 0;
    for (qsizetype i = tekst.indexOf(patroon); i >= 0; i = tekst.indexOf(patroon, i + 1))
        ++aantal;
    return aantal;
}

double cijferWaarde(const QString& tekst, qsizetype begin, qsizetype eind)
{
    if (eind - begin <= 15) {
        double v = 0;
        for (qsizetype i = begin; i < eind; ++i)
            v = v * 10 + (tekst[i].unicode() - u'0');
        return v;
    }
    return std::strtod(tekst.mid(begin, eind - begin).toLatin1().constData(), nullptr);
}

bool isCijfer(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

Telling telgetallen(QString& invoer, QChar letter)
{
    Telling t;
    if (invoer.isEmpty())
        return t;
    invoer.remove(QLatin1Char(' '));
    if (invoer.isEmpty())
        return t;
    t.kwadraten = vervang(invoer, QLatin1String("^2"), QChar(0xB2));
    t.derdemachten = vervang(invoer, QLatin1String("^3"), QChar(0xB3));

    if (invoer.size() > 3) {
        const int keer = telOverlappend(invoer, QString(letter) + u'*' + letter);
        const int naast = telOverlappend(invoer, QString(letter) + letter);
        t.kwadraten += keer + naast;
        t.enkel -= keer + naast;
    }
    t.enkel -= t.kwadraten + t.derdemachten;

    for (qsizetype i = 0; i < invoer.size();) {
        const QChar c = invoer[i];
        if (c == letter) {
            ++t.enkel;
        } else if (c == QLatin1Char('(')) {
            ++t.haakjesteller;
        } else if (isCijfer(c)) {
            qsizetype eind = i;
            while (eind < invoer.size() && isCijfer(invoer[eind]))
                ++eind;
            if (t.aantal < maxGetallen)
                t.getal[t.aantal++] = cijferWaarde(invoer, i, eind);
            else
                t.teVeelGetallen = true;
            i = eind;
            continue;
        }
        ++i;
    }
    return t;
}

void Controle::komtvoor(int g)
{
    if (g == 0 && zoekNul_ == ZoekNul::Nee)
        return;
    const double gezocht = std::abs(g);
    for (int i = 0; i < t_.aantal; ++i) {
        if (t_.getal[i] == gezocht) {
            t_.getal[i] = -1;
            return;
        }
    }
    goed_ = false;
}

void Controle::komtvoorx(int g)
{
    if (g >= -1 && g <= 1)
        return;
    komtvoor(g);
}

} // namespace algebra
