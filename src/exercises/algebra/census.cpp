#include "census.h"

#include <cstdlib>

namespace algebra {

namespace {

// Replaces every `from` by `to` and returns how many there were.
int replaceAll(QString& text, QLatin1String from, QChar to)
{
    const int count = int(text.count(from));
    if (count > 0)
        text.replace(from, QString(to));
    return count;
}

// Counts where `pattern` begins, overlapping matches included.
int countOverlapping(const QString& text, const QString& pattern)
{
    int count = 0;
    for (qsizetype i = text.indexOf(pattern); i >= 0; i = text.indexOf(pattern, i + 1))
        ++count;
    return count;
}

double digitsValue(const QString& text, qsizetype begin, qsizetype end)
{
    if (end - begin <= 15) {
        double v = 0;
        for (qsizetype i = begin; i < end; ++i)
            v = v * 10 + (text[i].unicode() - u'0');
        return v;
    }
    return std::strtod(text.mid(begin, end - begin).toLatin1().constData(), nullptr);
}

bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

} // namespace

Census takeCensus(QString& input, QChar letter)
{
    Census t;
    if (input.isEmpty())
        return t;
    input.remove(QLatin1Char(' '));
    if (input.isEmpty())
        return t;
    t.squares = replaceAll(input, QLatin1String("^2"), QChar(0xB2));
    t.cubes = replaceAll(input, QLatin1String("^3"), QChar(0xB3));

    if (input.size() > 3) {
        const int times = countOverlapping(input, QString(letter) + u'*' + letter);
        const int adjacent = countOverlapping(input, QString(letter) + letter);
        t.squares += times + adjacent;
        t.linear -= times + adjacent;
    }
    t.linear -= t.squares + t.cubes;

    for (qsizetype i = 0; i < input.size();) {
        const QChar c = input[i];
        if (c == letter) {
            ++t.linear;
        } else if (c == QLatin1Char('(')) {
            ++t.openBrackets;
        } else if (isDigit(c)) {
            qsizetype end = i;
            while (end < input.size() && isDigit(input[end]))
                ++end;
            if (t.count < maxNumbers)
                t.numbers[t.count++] = digitsValue(input, i, end);
            else
                t.tooManyNumbers = true;
            i = end;
            continue;
        }
        ++i;
    }
    return t;
}

void Checker::expectNumber(int g)
{
    if (g == 0 && searchZero_ == SearchZero::No)
        return;
    const double wanted = std::abs(g);
    for (int i = 0; i < t_.count; ++i) {
        if (t_.numbers[i] == wanted) {
            t_.numbers[i] = -1;
            return;
        }
    }
    right_ = false;
}

void Checker::expectCoefficient(int g)
{
    if (g >= -1 && g <= 1)
        return;
    expectNumber(g);
}

} // namespace algebra
