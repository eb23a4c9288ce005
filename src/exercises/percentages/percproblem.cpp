#include "percproblem.h"

#include "common/numbertext.h"
#include "moneytext.h"

namespace percentages {

namespace {

QString money(double x)
{
    return moneyText(static_cast<float>(x));
}

void fillNumbers(Problem& o)
{
    const double p = o.price;
    switch (o.kind) {
    case 1:
        o.amount = p * o.percent / 100;
        o.text1 = money(p);
        o.text2 = money(o.amount);
        o.answer = o.percent;
        o.answerText = leadingZero(common::Str(o.percent));
        break;
    case 2:
        o.amount = p * (100 + o.percent) / 100;
        o.text1 = money(o.amount);
        o.text2 = common::Str(o.percent);
        o.answer = p;
        o.answerText = money(p);
        break;
    case 3:
        o.amount = p * (100 + o.percent) / 100;
        o.text1 = money(p);
        o.text2 = common::Str(o.percent);
        o.answer = o.amount;
        o.answerText = money(o.amount);
        break;
    case 4:
        o.amount = p * (100 - o.percent) / 100;
        o.text1 = money(o.amount);
        o.text2 = common::Str(o.percent);
        o.answer = p;
        o.answerText = money(p);
        break;
    default:
        o.amount = p * (100 + o.percent) / 100;
        o.text1 = money(o.amount);
        o.text2 = money(p);
        o.answer = o.percent;
        o.answerText = common::Str(o.percent);
        break;
    }
}

void fillLines(Problem& o)
{
    const QString costs = QStringLiteral(" Een apparaat kost € ") + o.text1;
    switch (o.kind) {
    case 1:
        o.line1 = costs;
        o.line2 = QStringLiteral(" Het wordt € ") + o.text2 + QStringLiteral(" goedkoper");
        o.line3 = QStringLiteral(" Hoeveel % goedkoper ?");
        break;
    case 2:
        o.line1 = costs;
        o.line2 = QStringLiteral(" Het is ") + o.text2 + QStringLiteral(" % duurder geworden");
        o.line3 = QStringLiteral(" Wat was de oude prijs ?");
        break;
    case 3:
        o.line1 = costs;
        o.line2 = QStringLiteral(" Het wordt ") + o.text2 + QStringLiteral(" % duurder");
        o.line3 = QStringLiteral(" Wat is de nieuwe prijs ?");
        break;
    case 4:
        o.line1 = costs + QStringLiteral(" Het");
        o.line2 = QStringLiteral(" is ") + o.text2 + QStringLiteral(" % goedkoper geworden");
        o.line3 = QStringLiteral(" Wat was de oude prijs ?");
        break;
    default:
        o.line1 = QStringLiteral(" Een apparaat kost nu € ") + o.text1;
        o.line2 = QStringLiteral(" Het kostte eerst ") + o.text2;
        o.line3 = QStringLiteral(" Hoeveel % prijsverhoging ?");
        // A percentage needs a narrower box, right after the longer question.
        o.line3Width = 3100;
        o.answerWidth = 500;
        o.answerLeft1 = 3220;
        o.answerLeft2 = 6880;
        break;
    }
}

} // namespace

Problem generate(int kind, common::Random& random)
{
    const int price = random.draw(3000, 1000);
    const int percent = random.draw(30, 2);
    return generate(kind, price, percent);
}

Problem generate(int kind, int price, int percent)
{
    Problem o;
    o.kind = kind >= 1 && kind <= 5 ? kind : 1;
    o.price = price;
    o.percent = percent;
    fillNumbers(o);
    fillLines(o);
    return o;
}

QString spoken(const Problem& o)
{
    return (o.line1 + QLatin1Char(' ') + o.line2 + QLatin1Char(' ') + o.line3).simplified() +
           QStringLiteral(" …");
}

} // namespace percentages
