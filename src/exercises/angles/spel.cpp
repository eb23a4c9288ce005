#include "spel.h"

#include "common/numbertext.h"
#include "common/random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

using common::Str;

namespace angles {

namespace {
const QString CR = QStringLiteral("\r");
} // namespace

Hoek nieuweHoek(common::Random& rnd)
{
    Hoek h;
    do {
        h.startHoek = rnd.draw(360, 0);
        h.hoek = rnd.draw(160, 10);
    } while (h.startHoek < 3 || h.eindHoek() > 360);
    return h;
}

std::optional<std::int16_t> leesGok(const QString& typed)
{
    const double g = std::floor(common::Val(typed));
    if (g == 0 || g < std::numeric_limits<std::int16_t>::min() ||
        g > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(g);
}

int punten(int gok, int hoek)
{
    const int verschil = std::abs(gok - hoek);
    return verschil < 10 ? 10 - verschil : 0;
}

void Spel::begin(const Hoek& h)
{
    hoek = h;
    veegHoek = h.startHoek;
    beurt = 1;
    vegen = false;
}

void Spel::volgende(const Hoek& h)
{
    ++beurten;
    begin(h);
}

NaGok Spel::gok(const QString& typed)
{
    if (vegen)
        return NaGok::Genegeerd;
    const std::optional<std::int16_t> g = leesGok(typed);
    if (!g)
        return NaGok::Genegeerd;
    if (beurt == 2 && *g == antwoord1)
        return NaGok::Genegeerd; // player 2 must say something else
    (beurt == 1 ? antwoord1 : antwoord2) = *g;
    (beurt == 1 ? punten1 : punten2) += punten(*g, hoek.hoek);
    if (beurt == 1 && tweeSpelers()) {
        beurt = 2;
        return NaGok::Speler2;
    }
    vegen = true;
    return NaGok::Vegen;
}

std::optional<VeegStap> Spel::veegStap()
{
    const int eind = hoek.eindHoek();
    if (veegHoek == eind)
        return std::nullopt;
    const int tot = std::min(veegHoek + stapGraden, eind);
    const VeegStap stap{veegHoek, tot, tot == eind};
    veegHoek = tot;
    return stap;
}

std::vector<VeegStap> Spel::geveegd() const
{
    Spel opnieuw = *this;
    opnieuw.veegHoek = hoek.startHoek;
    std::vector<VeegStap> stappen;
    while (opnieuw.veegHoek != veegHoek)
        stappen.push_back(*opnieuw.veegStap());
    return stappen;
}

bool Spel::afgelopen() const
{
    return punten1 >= eindPunten || punten2 >= eindPunten;
}

QString vraag(const QString& naam)
{
    return naam + QStringLiteral(": hoeveel graden");
}

QString puntenTekst(const Spel& spel, const QString& naam1, const QString& naam2)
{
    const auto regel = [](const QString& naam, int p) {
        return naam + QStringLiteral(": ") + Str(p) + QStringLiteral(" punten");
    };
    QString s = regel(naam1, spel.punten1);
    if (spel.tweeSpelers())
        s += CR + regel(naam2, spel.punten2);
    return s;
}

QString antwoordTekst(const Spel& spel)
{
    QString s = QStringLiteral("De hoek was ") + Str(spel.hoek.hoek) +
                QStringLiteral(" graden (geraden:") + Str(spel.antwoord1);
    if (spel.tweeSpelers())
        s += QStringLiteral(" en ") + Str(spel.antwoord2);
    return s + QStringLiteral(")");
}

QString eindTekst(const Spel& spel, const QString& naam1, const QString& naam2)
{
    const auto gewonnen = [&spel](const QString& winnaar, int pw, const QString& ander, int pa) {
        return winnaar + QStringLiteral(" heeft gewonnen in ") + Str(spel.beurten) +
               QStringLiteral(" beurten (met ") + Str(pw) + QStringLiteral(" punten)") + CR +
               ander + QStringLiteral(" had ") + Str(pa) + QStringLiteral(" punten");
    };
    QString s;
    if (!spel.tweeSpelers())
        s = naam1 + QStringLiteral(": in ") + Str(spel.beurten) + QStringLiteral(" beurten ") +
            Str(spel.punten1) + QStringLiteral(" punten");
    else if (spel.punten1 > spel.punten2)
        s = gewonnen(naam1, spel.punten1, naam2, spel.punten2);
    else if (spel.punten2 > spel.punten1)
        s = gewonnen(naam2, spel.punten2, naam1, spel.punten1);
    else
        s = QStringLiteral("Gelijk gespeeld ! (met ") + Str(spel.punten1) +
            QStringLiteral(" punten)");
    return s + CR + QString(45, QLatin1Char('_'));
}

QString beschrijving(const Hoek& h)
{
    const auto minuten = [](int graden) {
        const long m = std::lround(15.0 - graden / 6.0);
        return double((m % 60 + 60) % 60);
    };
    return QStringLiteral("De rode hoek loopt met de klok mee van de wijzer op") +
           Str(minuten(h.eindHoek())) + QStringLiteral(" minuten naar de wijzer op") +
           Str(minuten(h.startHoek)) + QStringLiteral(" minuten.");
}

} // namespace angles
