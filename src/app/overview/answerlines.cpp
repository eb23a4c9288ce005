#include "answerlines.h"

#include <array>
#include <cstring>

namespace overview {

namespace {
constexpr QByteArrayView wrongMarks[] = {"Fout ,het is ", "Fout, het is "};
constexpr QByteArrayView rightMark("Goed");
constexpr QByteArrayView betterMark(" maar beter is: ");

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

QByteArrayView trimmedRight(QByteArrayView text)
{
    while (!text.isEmpty() && isBlank(text.back()))
        text.chop(1);
    return text;
}

// Where the verdict "Fout ..." starts: the last mark, as the right answer
// after it is the program's own; -1 when there is none. Looks back from one
// "F" to the one before it, so a long line costs one pass.
qsizetype wrongAt(QByteArrayView line)
{
    qsizetype end = line.size();
    while (end > 0) {
        const void* f = memrchr(line.data(), 'F', std::size_t(end));
        if (!f)
            return -1;
        end = static_cast<const char*>(f) - line.data();
        const QByteArrayView rest = line.sliced(end);
        for (const auto mark : wrongMarks)
            if (rest.startsWith(mark))
                return end;
    }
    return -1;
}

// Where the typed answer starts in what comes before the verdict, and where
// the problem ends: the exercise decides what the program put first.
void splitHead(catalogue::AnswerLine layout, QByteArrayView head, qsizetype& problemEnd,
               qsizetype& givenStart)
{
    using enum catalogue::AnswerLine;
    problemEnd = head.size();
    givenStart = head.size();
    qsizetype at = -1;
    switch (layout) {
    case AfterQuestion: // "oud = 40   nieuw = 50 Perc. prijsverhoging ?     20"
        if ((at = head.indexOf('?')) >= 0) {
            problemEnd = at + 1;
            givenStart = at + 1;
        }
        return;
    case AfterAnswerMark: // " -7 x  .... = -21    Antw: -3": the number asked for
        at = head.indexOf(" = ");
        if (at >= 0 && head.first(at).endsWith(" ....") && (at = head.indexOf("Antw:", at)) >= 0) {
            problemEnd = at;
            givenStart = at + 5;
            return;
        }
        break;
    case FromLetter: // " 3x + 5 =  17    x = 5": the answer starts at its letter
        if (const qsizetype eq = head.indexOf('='); eq >= 0)
            at = head.indexOf(" = ", eq + 1);
        if (at >= 1) {
            problemEnd = at - 1;
            givenStart = at - 1;
        }
        return;
    default:
        break;
    }
    // Metric " 1.1 km = 110000 cm", sums " -4 + 3 = -1", brackets and
    // factoring " -6x - 15     = -3(2x+5)": the first " = ".
    if ((at = head.indexOf(" = ")) >= 0) {
        problemEnd = at;
        givenStart = at + 3;
    }
}

// Points a graph answer line gets: 10, 5, 3 and 1 for the first four
// attempts, 0 after that.
int pointsForAttempt(int attempt)
{
    static constexpr std::array<int, 4> points{10, 5, 3, 1};
    return attempt >= 1 && attempt <= 4 ? points[attempt - 1] : 0;
}

// The points of "    5 pt." at the end of a formula line and the length of
// that text, or -1.
int pointsText(QByteArrayView line, int& cut)
{
    if (!line.endsWith(" pt."))
        return -1;
    const qsizetype digitsEnd = line.size() - 4;
    qsizetype k = digitsEnd;
    while (k > 0 && digitsEnd - k < 3 && line[k - 1] >= '0' && line[k - 1] <= '9')
        --k;
    // The program writes three blanks and the number text with its own blank.
    if (k == digitsEnd || k < 4 || line.sliced(k - 4, 4) != "    ")
        return -1;
    cut = int(line.size() - (k - 4));
    return line.sliced(k, digitsEnd - k).toInt();
}

// Turns right answers of the given points into wrong ones until the points
// of the record are lower by excess; false when no choice makes that.
bool takeBackPoints(Record& r, int excess)
{
    // How many of each to turn: 10s and 5s as a number of 5s, the rest 3s and 1s.
    std::array<qsizetype, 11> have{};
    for (qsizetype i = 0; i < r.answerCount(); ++i)
        ++have[std::max(r.points(i), 0)];
    std::array<qsizetype, 11> take{};
    bool found = false;
    for (qsizetype fives = 0; !found && fives * 5 <= excess && fives <= 2 * have[10] + have[5];
         ++fives) {
        const qsizetype rest = excess - 5 * fives;
        const qsizetype threesMax = std::min(have[3], rest / 3);
        const qsizetype threesMin = std::max<qsizetype>(0, (rest - have[1] + 2) / 3);
        if (threesMin > threesMax)
            continue;
        take[10] = std::min(have[10], fives / 2);
        take[5] = fives - 2 * take[10];
        if (take[5] > have[5])
            continue;
        take[3] = threesMin;
        take[1] = rest - 3 * threesMin;
        found = true;
    }
    if (!found)
        return false;
    for (qsizetype i = r.answerCount() - 1; i >= 0; --i) {
        const int p = r.points(i);
        if (p > 0 && take[p] > 0) {
            --take[p];
            r.setPoints(i, -1, 0);
        }
    }
    return true;
}
} // namespace

AnswerLines::AnswerLines(int option, Record* record) : record_(record)
{
    if (const catalogue::Exercise* e = catalogue::withResultsNumber(option)) {
        layout_ = e->answerLine;
        betterAfterRight_ = e->betterAfterRight;
    }
}

bool AnswerLines::add(QByteArrayView problem, QByteArrayView head, QByteArrayView correct,
                      bool right)
{
    noteAllowed_ = right && betterAfterRight_;
    return record_->addAnswer(problem.trimmed(), head.trimmed(), correct.trimmed(), {}, right);
}

bool AnswerLines::feed(QByteArrayView line)
{
    if (layout_ == catalogue::AnswerLine::Formulas)
        return feedGraphLine(line);
    if (line.startsWith(betterMark)) {
        const bool ok = noteAllowed_ && record_->addNote(line);
        noteAllowed_ = false;
        return ok;
    }
    const QByteArrayView body = trimmedRight(line);
    const bool right = body.endsWith(rightMark);
    const qsizetype wrong = right ? -1 : wrongAt(line);
    if (!pending_.isEmpty()) { // the answer to a problem on a line of its own
        if (!right)
            return false;
        const bool ok = add(pending_, body.chopped(rightMark.size()), {}, true);
        pending_.clear();
        return ok;
    }
    if (!right && wrong < 0) {
        if (layout_ != catalogue::AnswerLine::AfterQuestion || !body.endsWith('?'))
            return false;
        pending_ = body.toByteArray();
        noteAllowed_ = false;
        return true;
    }
    const QByteArrayView head = right ? body.chopped(rightMark.size()) : line.first(wrong);
    qsizetype problemEnd = 0;
    qsizetype givenStart = 0;
    splitHead(layout_, head, problemEnd, givenStart);
    const QByteArrayView correct =
        right ? QByteArrayView() : line.sliced(wrong + wrongMarks[0].size());
    return add(head.first(problemEnd), head.sliced(givenStart), correct, right);
}

bool AnswerLines::feedGraphLine(QByteArrayView line)
{
    constexpr QByteArrayView functionPrefix("functie: ");
    constexpr QByteArrayView inputPrefix("invoer:");
    constexpr QByteArrayView further("       ");
    if (line.startsWith(functionPrefix)) {
        closeFunction();
        open_ = true;
        function_ = line.sliced(functionPrefix.size()).toByteArray();
        formula_.clear();
        attempts_ = 0;
        return true;
    }
    qsizetype skip = 0;
    if (open_ && attempts_ == 0 && line.startsWith(inputPrefix))
        skip = inputPrefix.size();
    else if (open_ && attempts_ > 0 && line.startsWith(further))
        skip = further.size();
    else
        return false;
    formula_ = line.sliced(skip).toByteArray();
    ++attempts_;
    return true;
}

void AnswerLines::closeFunction()
{
    if (!open_)
        return;
    open_ = false;
    int cut = 0;
    int points = pointsText(formula_, cut);
    // Points the program cannot have given after so many attempts are typed.
    if (points != 0 && points != 1 && points != 3 && points != 5 && points != 10)
        points = -1;
    if (points < pointsForAttempt(attempts_))
        points = -1;
    if (points < 0)
        cut = 0;
    if (!record_->addAnswer(function_, formula_, {}, {}, points >= 0, points, attempts_, cut))
        record_ = nullptr;
}

bool AnswerLines::finish(int score, int count)
{
    closeFunction();
    if (!record_ || !pending_.isEmpty() || record_->answerCount() != count)
        return false;
    const bool points = layout_ == catalogue::AnswerLine::Formulas;
    qint64 total = 0;
    for (qsizetype i = 0; i < record_->answerCount(); ++i) {
        if (points)
            total += std::max(record_->points(i), 0);
        else
            total += record_->right(i);
    }
    if (total == score)
        return true;
    return points && total > score && takeBackPoints(*record_, int(total - score));
}

} // namespace overview
