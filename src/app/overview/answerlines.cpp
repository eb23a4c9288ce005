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
    if (problemEnd < 0) {
        answer.problemAt = answer.at(text);
        return;
    }
    answer.problemAt = answer.at(text.left(problemEnd));
    answer.givenAt = answer.at(text.mid(givenStart));
}

bool AnswerLines::feed(QStringView line)
{
    if (graphs_)
        return feedGraphLine(line);
    if (line.startsWith(betterMark)) {
        if (answers.isEmpty() || !answers.last().right || !pending_.isEmpty())
            return false;
        Answer& last = answers.last();
        last.text += QLatin1Char('\n');
        last.text += line;
        last.noteAt = last.at(QStringView(last.text).right(line.size()));
        return true;
    }
    const qsizetype wrong = wrongAt(line);
    const bool right = wrong < 0 && line.trimmed().endsWith(QLatin1StringView("Goed"));
    if (wrong < 0 && !right) {
        if (!pending_.isEmpty())
            return false;
        pending_ = line.toString();
        return !line.trimmed().isEmpty();
    }
    Answer a;
    a.right = right;
    if (!pending_.isEmpty())
        a.text = pending_ + QLatin1Char('\n');
    a.text += line;
    const QStringView own = QStringView(a.text).right(line.size()); // this line in the text
    const qsizetype headEnd = right ? own.lastIndexOf(QLatin1StringView("Goed")) : wrong;
    if (!right)
        a.correctAt = a.at(own.mid(wrong + wrongMarks[0].size()));
    if (pending_.isEmpty()) {
        splitProblem(own.left(headEnd), a);
    } else {
        a.problemAt = a.at(QStringView(a.text).left(pending_.size()));
        a.givenAt = a.at(own.left(headEnd));
        pending_.clear();
    }
    answers.append(std::move(a));
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
        a.text = line.toString();
        a.problemAt = a.at(QStringView(a.text).mid(functie.size()));
        a.attempts = 0;
        answers.append(std::move(a));
        return true;
    }
    if (answers.isEmpty() || answers.last().points >= 0)
        return false;
    Answer& a = answers.last();
    qsizetype skip = 0;
    if (line.startsWith(invoer) && a.attempts == 0)
        skip = invoer.size();
    else if (line.startsWith(QLatin1StringView("       ")) && a.attempts > 0)
        skip = 7;
    else
        return false;
    a.text += QLatin1Char('\n');
    a.text += line;
    QStringView rest = QStringView(a.text).right(line.size()).mid(skip);
    a.points = takePoints(rest);
    a.right = a.points >= 0;
    a.givenAt = a.at(rest);
    ++a.attempts;
    return true;
}

} // namespace overview
