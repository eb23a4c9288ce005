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
bool parseEnd(QByteArrayView line, bool graphs, int& score, int& count)
{
    constexpr QByteArrayView start("eindresultaat: ");
    const QByteArrayView middle(graphs ? " punten uit " : " goed van de ");
    if (!line.startsWith(start))
        return false;
    const QByteArrayView rest = line.sliced(start.size());
    const qsizetype at = rest.indexOf(middle);
    if (at < 0)
        return false;
    bool ok1 = false;
    bool ok2 = false;
    score = rest.first(at).trimmed().toInt(&ok1);
    count = rest.sliced(at + middle.size()).trimmed().toInt(&ok2);
    return ok1 && ok2 && score >= 0 && count >= 0;
}

// Where ": (" is in a header line and where the gap between date and time
// is after it.
bool findHeader(QByteArrayView line, qsizetype& open, qsizetype& gap)
{
    if (!line.endsWith(')'))
        return false;
    open = line.lastIndexOf(": (");
    if (open < 0)
        return false;
    const QByteArrayView inside = line.sliced(open + 3).chopped(1);
    gap = inside.indexOf("  ");
    return gap > 0 && !inside.sliced(gap).trimmed().isEmpty();
}

bool isBlankLine(QByteArrayView line)
{
    return line.trimmed().isEmpty();
}
} // namespace

bool parseHeader(QByteArrayView line, QString& name, QString& date, QString& time)
{
    qsizetype open = 0;
    qsizetype gap = 0;
    if (!findHeader(line, open, gap))
        return false;
    const QByteArrayView inside = line.sliced(open + 3).chopped(1);
    name = QString::fromUtf8(line.first(open));
    date = QString::fromUtf8(inside.first(gap).trimmed());
    time = QString::fromUtf8(inside.sliced(gap).trimmed());
    return true;
}

QDateTime parseWhen(QStringView date, QStringView time)
{
    const QDate d = parseDate(date);
    const QTime t = parseTime(time);
    if (!d.isValid() || !t.isValid())
        return {};
    return QDateTime(d, t);
}

BlockParser::BlockParser(FileKind kind, int firstBlock) : blocks(firstBlock), kind_(kind) {}

// The header is read out when its part turns out whole: a file of header
// lines costs no more than reading them.
void BlockParser::startPart(QByteArrayView header)
{
    qsizetype open = 0;
    qsizetype gap = 0;
    if (!findHeader(header, open, gap))
        return fail(header);
    if (state_ != State::AfterEnd)
        found_.clear();
    Record& r = found_.emplaceBack();
    r.option = kind_.option;
    r.level = kind_.level;
    r.player = int(found_.size());
    QByteArray& copy = headers_[found_.size() - 1];
    copy.resize(0);
    copy.append(header);
    answers_ = AnswerLines(kind_.option, &r);
    state_ = State::Answers;
}

void BlockParser::endPart(QByteArrayView line)
{
    Record& r = found_.last();
    if (!parseEnd(line, scoredInPoints(kind_.option), r.score, r.count) ||
        !answers_.finish(r.score, r.count))
        return fail(line);
    parseHeader(headers_[found_.size() - 1], r.name, r.dateText, r.timeText);
    state_ = State::AfterEnd;
    percentLine_ = scoredInPoints(kind_.option);
}

// The block read so far cannot be read; a header here may start a new one.
void BlockParser::fail(QByteArrayView line)
{
    failed_ = true;
    found_.clear();
    state_ = State::Lost;
    qsizetype open = 0;
    qsizetype gap = 0;
    if (findHeader(line, open, gap))
        startPart(line);
}

void BlockParser::line(QByteArrayView line)
{
    if (isBlankLine(line)) {
        percentLine_ = false;
        return;
    }
    nonBlank_ = true;
    switch (state_) {
    case State::Header:
        return startPart(line);
    case State::Lost:
        return fail(line);
    case State::Answers:
        if (line.startsWith("eindresultaat: "))
            return endPart(line);
        if (!answers_.feed(line))
            fail(line);
        return;
    case State::AfterEnd:
        if (percentLine_ && line.startsWith("Dat is ") && line.endsWith(" procent")) {
            percentLine_ = false;
            return;
        }
        percentLine_ = false;
        if (found_.size() == 1)
            return startPart(line);
        return fail(line);
    }
}

void BlockParser::blockEnd()
{
    const bool unreadable = failed_ || (nonBlank_ && state_ != State::AfterEnd);
    blocks += unreadable;
    skipped += unreadable;
    if (state_ == State::AfterEnd) {
        for (Record& r : found_) {
            r.block = blocks;
            r.when = parseWhen(r.dateText, r.timeText);
            records.append(std::move(r));
        }
        ++blocks;
    }
    state_ = State::Header;
    failed_ = false;
    nonBlank_ = false;
    percentLine_ = false;
    found_.clear();
}

} // namespace overview
