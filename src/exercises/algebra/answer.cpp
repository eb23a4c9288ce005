#include "answer.h"

#include "texts.h"

#include <cstdlib>

namespace algebra {

Reading readAnswer(const QString& typed, QChar letter, const Values& values)
{
    Reading l;
    QString input = typed.trimmed(); // blanks around the answer are no part of it
    l.matches = matches(readFormula(input, letter), values);
    if (l.matches) {
        l.census = takeCensus(input, letter);
        l.input = input;
    } else {
        l.input = typed;
    }
    return l;
}

namespace {

QString power(QChar letter, int degree)
{
    switch (degree) {
    case 0:
        return QString();
    case 1:
        return QString(letter);
    case 2:
        return letter + squareSign;
    default:
        return letter + cubeSign;
    }
}

} // namespace

QString polynomial(QChar letter, std::initializer_list<Term> terms)
{
    QString s;
    bool first = true;
    for (const Term& t : terms) {
        if (t.coefficient == 0)
            continue;
        if (first) {
            s += (t.degree == 0 ? nt(t.coefficient) : ct(t.coefficient));
            first = false;
        } else {
            const int size = std::abs(t.coefficient);
            s += sg(t.coefficient) + (t.degree == 0 ? nt(size) : ct(size));
        }
        s += power(letter, t.degree);
    }
    return first ? nt(0) : s;
}

run::Verdict rightVerdict(const QString& text, const QString& given, int player)
{
    const QString separator =
        player == 1 ? QStringLiteral("          = ") : QStringLiteral("     = ");
    const QString line = text + separator + given + QStringLiteral("   Goed");
    return {true, QString(), line, {line}};
}

run::Verdict wrongVerdict(const QString& text, const QString& given, const QString& answer)
{
    const QString feedback = answer.size() >= 13 ? QStringLiteral("nee, ") + answer
                                                 : QStringLiteral("nee, het is ") + answer;
    const QString givenLine = text + QStringLiteral("    = ") + given;
    return {false,
            feedback,
            givenLine + QChar(13) + QStringLiteral(" Fout ,het is ") + answer,
            {givenLine + QStringLiteral("       Fout ,het is ") + answer}};
}

} // namespace algebra
