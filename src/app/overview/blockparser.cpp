#include "blockparser.h"

#include "answerlines.h"

namespace overview {

namespace {
// Splits text at any of the separators into whole numbers; false when a part
// is not a number.
bool numbers(QStringView text, QStringView separators, QList<int>& out)
{
    out.clear();
    int value = -1;
    for (const QChar c : text) {
        if (c.isDigit() && c.unicode() < 128) {
            value = (value < 0 ? 0 : value * 10) + c.digitValue();
            if (value > 100000)
                return false;
        } else if (separators.contains(c) && value >= 0) {
            out.append(value);
            value = -1;
        } else {
            return false;
        }
    }
    if (value < 0)
        return false;
    out.append(value);
    return true;
}

QDate parseDate(QStringView text)
{
    QList<int> n;
    if (!numbers(text, u"-/.", n) || n.size() != 3)
        return {};
    if (text.indexOf(QLatin1Char('-')) == 4 || text.indexOf(QLatin1Char('/')) == 4 ||
        text.indexOf(QLatin1Char('.')) == 4)
        return QDate(n[0], n[1], n[2]);
    int year = n[2];
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    return QDate(year, n[1], n[0]);
}

QTime parseTime(QStringView text)
{
    const bool pm = text.endsWith(QLatin1StringView("PM"), Qt::CaseInsensitive);
    const bool am = text.endsWith(QLatin1StringView("AM"), Qt::CaseInsensitive);
    if (am || pm)
        text = text.chopped(2).trimmed();
    QList<int> n;
    if (!numbers(text, u":.", n) || n.size() < 2 || n.size() > 3)
        return {};
    int hour = n[0];
    if (am || pm)
        hour = hour % 12 + (pm ? 12 : 0);
    return QTime(hour, n[1], n.size() == 3 ? n[2] : 0);
}

// "eindresultaat:  9 goed van de  10" or "eindresultaat:  69 punten uit  10".
bool parseEnd(QStringView line, bool graphs, int& score, int& count)
{
    const QLatin1StringView start("eindresultaat: ");
    const QLatin1StringView middle(graphs ? " punten uit " : " goed van de ");
    if (!line.startsWith(start))
        return false;
    const QStringView rest = line.mid(start.size());
    const qsizetype at = rest.indexOf(middle);
    if (at < 0)
        return false;
    bool ok1 = false;
    bool ok2 = false;
    score = rest.left(at).trimmed().toInt(&ok1);
    count = rest.mid(at + middle.size()).trimmed().toInt(&ok2);
    return ok1 && ok2 && score >= 0 && count >= 0;
}

// The answers agree with the end result: one per answer counted, and as many
// right (graphs: as many points) as the score says.
bool agrees(const Record& r)
{
    if (r.answers.size() != r.count)
        return false;
    int score = 0;
    for (const Answer& a : r.answers)
        score += r.option == 7 ? std::max(a.points, 0) : int(a.right);
    return score == r.score;
}

void skipBlank(const QList<QStringView>& lines, qsizetype& i)
{
    while (i < lines.size() && lines[i].trimmed().isEmpty())
        ++i;
}

bool parsePlayer(const QList<QStringView>& lines, qsizetype& i, bool graphs, Record& r)
{
    skipBlank(lines, i);
    if (i >= lines.size() || !parseHeader(lines[i], r.name, r.dateText, r.timeText))
        return false;
    r.when = parseWhen(r.dateText, r.timeText);
    AnswerLines answers(graphs);
    for (++i; i < lines.size(); ++i) {
        if (parseEnd(lines[i], graphs, r.score, r.count))
            break;
        if (!lines[i].trimmed().isEmpty() && !answers.feed(lines[i]))
            return false;
    }
    if (i >= lines.size() || !answers.finish())
        return false;
    ++i;
    if (graphs && i < lines.size() && lines[i].startsWith(QLatin1StringView("Dat is ")) &&
        lines[i].endsWith(QLatin1StringView(" procent")))
        ++i;
    r.answers = std::move(answers.answers);
    r.option = graphs ? 7 : 0;
    return agrees(r);
}
} // namespace

bool parseHeader(QStringView line, QString& name, QString& date, QString& time)
{
    const qsizetype open = line.lastIndexOf(QLatin1StringView(": ("));
    if (open < 0 || !line.endsWith(QLatin1Char(')')))
        return false;
    const QStringView inside = line.mid(open + 3).chopped(1);
    const qsizetype gap = inside.indexOf(QLatin1StringView("  "));
    if (gap <= 0)
        return false;
    name = line.left(open).toString();
    date = inside.left(gap).trimmed().toString();
    time = inside.mid(gap).trimmed().toString();
    return !time.isEmpty();
}

QDateTime parseWhen(QStringView date, QStringView time)
{
    const QDate d = parseDate(date);
    const QTime t = parseTime(time);
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}

bool parseBlock(const QList<QStringView>& lines, bool graphs, QList<Record>& out)
{
    qsizetype i = 0;
    Record first;
    if (!parsePlayer(lines, i, graphs, first))
        return false;
    skipBlank(lines, i);
    Record second;
    second.player = 2;
    const bool two = i < lines.size();
    if (two && !parsePlayer(lines, i, graphs, second))
        return false;
    skipBlank(lines, i);
    if (i < lines.size())
        return false;
    out.append(first);
    if (two)
        out.append(second);
    return true;
}

} // namespace overview
