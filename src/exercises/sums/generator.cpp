#include "exercises/sums/generator.h"

#include "common/numbertext.h"

#include <cmath>

namespace sums {

using common::Str;

double Problem::result() const
{
    if (mode.kind == 2)
        return number1 * number2;
    if (mode.threeTerms)
        return value;
    return number1 + sign * number2;
}

Mode schedule(int level, int problemNumber)
{
    const bool even = problemNumber % 2 == 0;
    const int rest4 = problemNumber % 4;
    Mode m;
    switch (level) {
    case 2:
        m.secondHidden = !even;
        m.tenths = even;
        break;
    case 3:
        m.kind = (rest4 == 1 || rest4 == 3) ? 2 : 1;
        m.secondHidden = rest4 == 0 || rest4 == 3;
        break;
    case 4:
        m.kind = rest4 == 1 ? 2 : 1;
        m.threeTerms = even;
        m.secondHidden = !even;
        break;
    default:
        m.secondHidden = even;
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
    const double a = p.number1, b = p.number2, c = p.number3;
    if (p.operation1 == 2 && p.operation2 == 2)
        return a * b * c;
    if (p.operation1 == 2)
        return a * b + p.operation2 * c;
    if (p.operation2 == 2)
        return a + p.operation1 * (b * c);
    return a + p.operation1 * b + p.operation2 * c;
}

void makeThreeTerms(Problem& p, common::Random& rng)
{
    p.number1 = withSign(rng.draw(8, 2), rng);
    p.number2 = withSign(rng.draw(8, 2), rng);
    p.operation1 = drawOperation(rng, p.operationText1, false);
    p.number3 = withSign(rng.draw(8, 2), rng);
    p.operation2 = drawOperation(rng, p.operationText2, true);
    p.value = threeTermValue(p);
}

} // namespace

Problem generateSum(int level, const Mode& mode, common::Random& rng)
{
    Problem p;
    p.mode = mode;
    const bool large = level == 2 || level == 4;
    do {
        p.number1 = large ? rng.draw(40, 10) : rng.draw(20, 5);
        p.number2 = large ? rng.draw(40, 10) : rng.draw(20, 5);
        if (rng.draw(3, 0) != 1)
            p.number1 = -p.number1;
        if (rng.draw(3, 0) != 1)
            p.number2 = -p.number2;
        if (rng.draw(2, 0) == 1) {
            p.sign = 1;
            p.operationText1 = QStringLiteral(" + ");
        } else {
            p.sign = -1;
            p.operationText1 = QStringLiteral(" - ");
        }
    } while (!((p.number1 < 0 || p.number2 < 0) && p.number1 + p.sign * p.number2 != 0));

    if (mode.threeTerms)
        makeThreeTerms(p, rng);

    const double scale = mode.tenths ? 10 : 1;
    p.shownNumber1 = p.number1 / scale;
    p.shownNumber2 = p.number2 / scale;
    p.row = layOut(p);
    return p;
}

Problem generateProduct(int level, const Mode& mode, common::Random& rng)
{
    Problem p;
    p.mode = mode;
    const int range = level == 4 ? 20 : 10;
    do {
        p.number1 = rng.draw(range, 2);
        p.number2 = rng.draw(range, 2);
        if (rng.draw(3, 0) != 1)
            p.number1 = -p.number1;
        if (rng.draw(3, 0) != 1)
            p.number2 = -p.number2;
    } while (
        !((p.number1 < 0 || p.number2 < 0) && std::abs(p.number1) > 1 && std::abs(p.number2) > 1));
    p.operationText1 = QStringLiteral(" x ");
    p.shownNumber1 = p.number1;
    p.shownNumber2 = p.number2;
    p.row = layOut(p);
    return p;
}

Problem generate(int level, int problemNumber, common::Random& rng)
{
    const Mode mode = schedule(level, problemNumber);
    return mode.kind == 2 ? generateProduct(level, mode, rng) : generateSum(level, mode, rng);
}

RowLayout layOut(const Problem& p)
{
    RowLayout r;
    r.labels[0] = QLatin1Char(' ') + Str(p.shownNumber1);
    r.labels[1] = p.operationText1;
    r.labels[3] = QStringLiteral(" = ");
    if (p.mode.secondHidden) {
        r.label2Visible = false;
        r.labels[4] = Str(p.result());
        r.answerLeft = kLabel2Left;
        r.answerWidth = r.label2Width;
    } else if (p.mode.threeTerms) {
        r.labels[2] = QStringLiteral("    ") + Str(p.number2) + p.operationText2 + Str(p.number3);
        r.label2Width = 1645;
        r.label3Left = 2560;
        r.label4Left = 2950;
        r.label4Width = 695;
        r.answerLeft = r.label4Left;
        r.answerWidth = r.label4Width;
    } else {
        r.labels[2] = QLatin1Char(' ') + Str(p.shownNumber2);
        r.answerLeft = r.label4Left;
    }
    return r;
}

} // namespace sums
