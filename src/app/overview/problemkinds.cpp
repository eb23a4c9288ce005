#include "problemkinds.h"

#include "exercisenames.h"
#include "mastery.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <map>

namespace overview {

namespace {
// The problem with its numbers as "n" and its blanks as one.
QString form(const QString& problem)
{
    static const QRegularExpression number(QStringLiteral("[0-9]*[.,]?[0-9]+"));
    return QString(problem).replace(number, QStringLiteral("n")).simplified();
}

QString lastWord(const QString& text)
{
    return text.simplified().section(QLatin1Char(' '), -1);
}

QString functionKind(const QString& function)
{
    if (function.contains(QStringLiteral("sin")) || function.contains(QStringLiteral("cos")))
        return QStringLiteral("gonio");
    if (function.contains(QStringLiteral("sqr")) || function.contains(QChar(0x221A)))
        return QStringLiteral("wortel");
    if (function.contains(QStringLiteral("^2")) || function.contains(QChar(0xB2)) ||
        function.contains(QStringLiteral(")(")))
        return QStringLiteral("parabool");
    return QStringLiteral("lijn");
}
} // namespace

QString problemKind(int option, int level, int number, const Answer& answer)
{
    const catalogue::Exercise* e = catalogue::withResultsNumber(option);
    if (!e)
        return form(answer.problem);
    switch (e->answerLine) {
    case catalogue::AnswerLine::AfterEquals:
        if (option == 2) // metric: the units from and to
            return lastWord(answer.problem) + QStringLiteral(" → ") +
                   lastWord(answer.correct.isEmpty() ? answer.given : answer.correct);
        break;
    case catalogue::AnswerLine::FromLetter: { // equations: the level's type
        const int own = level == e->mixedLevel ? catalogue::mixedLevelOfProblem(*e, number) : level;
        return exerciseLevelName(option, own).section(QStringLiteral(": "), 1);
    }
    case catalogue::AnswerLine::Formulas:
        return functionKind(answer.problem);
    default:
        break;
    }
    return form(answer.problem);
}

QList<ProblemKind> wrongByKind(const QList<const Record*>& records, int option, int level)
{
    struct Group {
        ProblemKind kind;
        QHash<QString, WrongAnswer> given;
    };
    std::map<QString, Group> groups;
    for (const Record* r : records) {
        if (r->option != option || r->level != level)
            continue;
        for (qsizetype i = 0; i < r->answerCount(); ++i) {
            const Answer a = r->answer(i);
            Group& g = groups[problemKind(option, level, int(i), a)];
            ++g.kind.answers;
            if (answeredRight(*r, i))
                continue;
            ++g.kind.wrong;
            WrongAnswer& w = g.given[a.given];
            if (w.count++ == 0)
                w = {a.given, 1, a.problem};
            g.kind.pupils.append({r->name, a.problem, a.given, a.correct});
        }
    }
    QList<ProblemKind> out;
    for (auto& [name, g] : groups) {
        if (g.kind.wrong == 0)
            continue;
        g.kind.kind = name;
        QList<WrongAnswer> given = g.given.values();
        std::sort(given.begin(), given.end(), [](const WrongAnswer& a, const WrongAnswer& b) {
            return a.count != b.count ? a.count > b.count : a.given < b.given;
        });
        g.kind.common = given.mid(0, 3);
        std::stable_sort(
            g.kind.pupils.begin(), g.kind.pupils.end(),
            [](const PupilAnswer& a, const PupilAnswer& b) { return a.name < b.name; });
        out.append(std::move(g.kind));
    }
    std::stable_sort(out.begin(), out.end(),
                     [](const ProblemKind& a, const ProblemKind& b) { return a.wrong > b.wrong; });
    return out;
}

} // namespace overview
