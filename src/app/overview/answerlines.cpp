#include "answerlines.h"

namespace overview {

namespace {
const QLatin1StringView wrongMarks[] = {QLatin1StringView("Fout ,het is "),
                                        QLatin1StringView("Fout, het is ")};
const QLatin1StringView betterMark(" maar beter is: ");

// The position of the verdict "Fout ..." in the line, or -1.
qsizetype wrongAt(QStringView line)
{
    qsizetype at = -1;
    for (const auto mark : wrongMarks)
        at = std::max(at, line.lastIndexOf(mark));
    return at;
}

// Equations ("      x = 4") and brackets ("          = 6x+4") put three or more
// blanks before the answer; returns where the blanks start and where the
// answer starts (the letter included), or false.
bool spacedEquals(QStringView text, qsizetype& problemEnd, qsizetype& givenStart)
{
    for (qsizetype eq = text.indexOf(QLatin1StringView("= ")); eq > 0;
         eq = text.indexOf(QLatin1StringView("= "), eq + 1)) {
        qsizetype k = eq - 1;
        givenStart = eq + 2;
        if (k >= 2 && text[k] == QLatin1Char(' ') && text[k - 1].isLetter() &&
            text[k - 2] == QLatin1Char(' ')) {
            givenStart = k - 1;
            k -= 2;
        }
        qsizetype blanks = 0;
        while (k >= 0 && text[k] == QLatin1Char(' ')) {
            --k;
            ++blanks;
        }
        if (blanks >= 3) {
            problemEnd = k + 1;
            return true;
        }
    }
    return false;
}
} // namespace

void splitProblem(QStringView text, Answer& answer)
{
    qsizetype problemEnd = -1;
    qsizetype givenStart = 0;
    if (const qsizetype at = text.indexOf(QLatin1StringView("Antw:")); at >= 0) {
        problemEnd = at;
        givenStart = at + 5;
    } else if (const qsizetype q = text.lastIndexOf(QLatin1Char('?')); q >= 0) {
        problemEnd = q + 1;
        givenStart = q + 1;
    } else if (!spacedEquals(text, problemEnd, givenStart)) {
        const qsizetype eq = text.lastIndexOf(QLatin1StringView(" = "));
        problemEnd = eq;
        givenStart = eq < 0 ? 0 : eq + 3;
    }
    answer.problem = problemEnd < 0 ? QString() : text.left(problemEnd).trimmed().toString();
    answer.given = text.mid(givenStart).trimmed().toString();
    if (problemEnd < 0) {
        answer.problem = answer.given;
        answer.given.clear();
    }
}

bool AnswerLines::feed(QStringView line)
{
    if (graphs_)
        return feedGraphLine(line);
    if (line.startsWith(betterMark)) {
        if (answers.isEmpty() || !answers.last().right || !pending_.isEmpty())
            return false;
        answers.last().note = line.trimmed().toString();
        return true;
    }
    Answer a;
    QStringView head;
    if (const qsizetype at = wrongAt(line); at >= 0) {
        head = line.left(at);
        const qsizetype from = at + wrongMarks[0].size();
        a.correct = line.mid(from).trimmed().toString();
    } else if (const QStringView t = line.trimmed(); t.endsWith(QLatin1StringView("Goed"))) {
        a.right = true;
        head = line.left(line.lastIndexOf(QLatin1StringView("Goed")));
    } else {
        if (!pending_.isEmpty())
            return false;
        pending_ = line.trimmed().toString();
        return !pending_.isEmpty();
    }
    if (pending_.isEmpty()) {
        splitProblem(head, a);
    } else {
        a.problem = pending_;
        a.given = head.trimmed().toString();
        pending_.clear();
    }
    answers.append(a);
    return true;
}

namespace {
// Takes "   10 pt." off the end of a graph answer line; -1 when it is absent.
int takePoints(QStringView& line)
{
    const QLatin1StringView pt(" pt.");
    if (!line.endsWith(pt))
        return -1;
    qsizetype k = line.size() - pt.size();
    qsizetype digitsEnd = k;
    while (k > 0 && line[k - 1].isDigit())
        --k;
    if (k == digitsEnd)
        return -1;
    const int points = line.mid(k, digitsEnd - k).toInt();
    // The number text of a points total has its blank; three blanks before it.
    if (k < 4 || line.mid(k - 4, 4) != QLatin1StringView("    "))
        return -1;
    line = line.left(k - 4);
    return points;
}
} // namespace

bool AnswerLines::feedGraphLine(QStringView line)
{
    const QLatin1StringView functie("functie: ");
    const QLatin1StringView invoer("invoer:");
    if (line.startsWith(functie)) {
        Answer a;
        a.problem = line.mid(functie.size()).trimmed().toString();
        a.attempts = 0;
        answers.append(a);
        return true;
    }
    if (answers.isEmpty() || answers.last().points >= 0)
        return false;
    Answer& a = answers.last();
    QStringView rest;
    if (line.startsWith(invoer) && a.attempts == 0)
        rest = line.mid(invoer.size());
    else if (line.startsWith(QLatin1StringView("       ")) && a.attempts > 0)
        rest = line.mid(7);
    else
        return false;
    a.points = takePoints(rest);
    a.right = a.points >= 0;
    a.given = rest.trimmed().toString();
    ++a.attempts;
    return true;
}

} // namespace overview
