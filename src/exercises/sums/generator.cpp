#include "exercises/sums/generator.h"

#include "common/numbertext.h"

#include <cmath>

namespace sums {

using common::Str;

double Problem::result() const
{
    if (mode.soort == 2)
        return getal1 * getal2;
    if (mode.drieterms)
        return uitkomst;
    return getal1 + teken * getal2;
}

Mode schema(int niveau, int opgaveNr)
{
    const bool even = opgaveNr % 2 == 0;
    const int rest4 = opgaveNr % 4;
    Mode m;
    switch (niveau) {
    case 2:
        m.ontbrekend = !even;
        m.kommagetal = even;
        break;
    case 3:
        m.soort = (rest4 == 1 || rest4 == 3) ? 2 : 1;
        m.ontbrekend = rest4 == 0 || rest4 == 3;
        break;
    case 4:
        m.soort = rest4 == 1 ? 2 : 1;
        m.drieterms = even;
        m.ontbrekend = !even;
        break;
    default:
        m.ontbrekend = even;
        break;
    }
    return m;
}

namespace {

// A number is negative unless a draw of Int(Rnd x 3) gives 1.
double withSign(double size, common::Random& rng)
{
    return rng.draw(3, 0) == 1 ? size : -size;
}

// Operator of a three-term problem from one draw: 1 plus, 0 minus, 2 times.
int drawOperation(common::Random& rng, QString& text, bool wide)
{
    const QString pad = wide ? QStringLiteral("   ") : QStringLiteral(" ");
    switch (rng.draw(3, 0)) {
    case 1:
        text = pad + QLatin1Char('+') + pad;
        return 1;
    case 2:
        text = pad + QLatin1Char('x') + pad;
        return 2;
    default:
        text = pad + QLatin1Char('-') + pad;
        return -1;
    }
}

// Times before plus and minus.
double threeTermValue(const Problem& p)
{
    const double a = p.getal1, b = p.getal2, c = p.getal3;
    if (p.bewerking1 == 2 && p.bewerking2 == 2)
        return a * b * c;
    if (p.bewerking1 == 2)
        return a * b + p.bewerking2 * c;
    if (p.bewerking2 == 2)
        return a + p.bewerking1 * (b * c);
    return a + p.bewerking1 * b + p.bewerking2 * c;
}

void makeThreeTerms(Problem& p, common::Random& rng)
{
    p.getal1 = withSign(rng.draw(8, 2), rng);
    p.getal2 = withSign(rng.draw(8, 2), rng);
    p.bewerking1 = drawOperation(rng, p.bewerkingtekst1, false);
    p.getal3 = withSign(rng.draw(8, 2), rng);
    p.bewerking2 = drawOperation(rng, p.bewerkingtekst2, true);
    p.uitkomst = threeTermValue(p);
}

} // namespace

Problem geefsom(int niveau, const Mode& mode, common::Random& rng)
{
    Problem p;
    p.mode = mode;
    const bool large = niveau == 2 || niveau == 4;
    do {
        p.getal1 = large ? rng.draw(40, 10) : rng.draw(20, 5);
        p.getal2 = large ? rng.draw(40, 10) : rng.draw(20, 5);
        if (rng.draw(3, 0) != 1)
            p.getal1 = -p.getal1;
        if (rng.draw(3, 0) != 1)
            p.getal2 = -p.getal2;
        if (rng.draw(2, 0) == 1) {
            p.teken = 1;
            p.bewerkingtekst1 = QStringLiteral(" + ");
        } else {
            p.teken = -1;
            p.bewerkingtekst1 = QStringLiteral(" - ");
        }
    } while (!((p.getal1 < 0 || p.getal2 < 0) && p.getal1 + p.teken * p.getal2 != 0));

    if (mode.drieterms)
        makeThreeTerms(p, rng);

    const double scale = mode.kommagetal ? 10 : 1;
    p.toongetal1 = p.getal1 / scale;
    p.toongetal2 = p.getal2 / scale;
    p.row = legUit(p);
    return p;
}

Problem geefproduct(int niveau, const Mode& mode, common::Random& rng)
{
    Problem p;
    p.mode = mode;
    const int range = niveau == 4 ? 20 : 10;
    do {
        p.getal1 = rng.draw(range, 2);
        p.getal2 = rng.draw(range, 2);
        if (rng.draw(3, 0) != 1)
            p.getal1 = -p.getal1;
        if (rng.draw(3, 0) != 1)
            p.getal2 = -p.getal2;
    } while (!((p.getal1 < 0 || p.getal2 < 0) && std::abs(p.getal1) > 1 && std::abs(p.getal2) > 1));
    p.bewerkingtekst1 = QStringLiteral(" x ");
    p.toongetal1 = p.getal1;
    p.toongetal2 = p.getal2;
    p.row = legUit(p);
    return p;
}

Problem maakopgave(int niveau, int opgaveNr, common::Random& rng)
{
    const Mode mode = schema(niveau, opgaveNr);
    return mode.soort == 2 ? geefproduct(niveau, mode, rng) : geefsom(niveau, mode, rng);
}

RowLayout legUit(const Problem& p)
{
    RowLayout r;
    r.labels[0] = QLatin1Char(' ') + Str(p.toongetal1);
    r.labels[1] = p.bewerkingtekst1;
    r.labels[3] = QStringLiteral(" = ");
    if (p.mode.ontbrekend) {
        r.label2Visible = false;
        r.labels[4] = Str(p.result());
        r.answerLeft = kLabel2Left;
        r.answerWidth = r.label2Width;
    } else if (p.mode.drieterms) {
        r.labels[2] = QStringLiteral("    ") + Str(p.getal2) + p.bewerkingtekst2 + Str(p.getal3);
        r.label2Width = 1645;
        r.label3Left = 2560;
        r.label4Left = 2950;
        r.label4Width = 695;
        r.answerLeft = r.label4Left;
        r.answerWidth = r.label4Width;
    } else {
        r.labels[2] = QLatin1Char(' ') + Str(p.toongetal2);
        r.answerLeft = r.label4Left;
    }
    return r;
}

} // namespace sums
