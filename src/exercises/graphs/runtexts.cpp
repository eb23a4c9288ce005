#include "runtexts.h"

#include "common/numbertext.h"
#include "run/rules.h"

#include <cmath>

namespace graphs {

using common::Str;

namespace {

const QString CR = QStringLiteral("\r");
const QString CRLF = QStringLiteral("\r\n");

int percent(const Player& s)
{
    return int(std::floor(10.0 * s.score / s.answered));
}

QString playerBlock(const Player& s)
{
    QString t = s.name + ":" + CR + "Je hebt " + Str(s.answered) + " functies gehad." + CR +
                "Je hebt " + Str(s.score) + " punten gehaald." + CR;
    if (s.answered > 0)
        t += "Dat is " + Str(percent(s)) + " procent!";
    return t + CR + QString(45, QLatin1Char('_'));
}

} // namespace

int pointsForAttempt(int attempt)
{
    static const int points[] = {10, 5, 3, 1};
    return attempt >= 0 && attempt < 4 ? points[attempt] : 0;
}

QString scoreText(const Player& first, const Player* second)
{
    QString t = first.name + ": " + Str(first.score) + " punten uit " + Str(first.answered) + CR;
    if (second)
        t += second->name + ":" + Str(second->score) + " punten uit " + Str(second->answered);
    return t;
}

QString summary(const Player& first, const Player* second)
{
    QString t = playerBlock(first);
    if (!second)
        return t;
    t += CR + CR + playerBlock(*second) + CR + CR;
    if (const int w = run::winnerOnPoints(first, *second))
        t += (w == 1 ? first : *second).name + " heeft gewonnen !";
    else
        t += QStringLiteral("Jullie zijn gelijk geeindigd !");
    return t;
}

QString endResult(const Player& s)
{
    QString t = CRLF + CRLF + "eindresultaat: " + Str(s.score) + " punten uit " + Str(s.answered);
    if (s.answered > 0)
        t += CRLF + "Dat is " + Str(percent(s)) + " procent";
    return t;
}

} // namespace graphs
