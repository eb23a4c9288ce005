#include "layout.h"

#include "ui/userpainter.h"

#include <QFontMetricsF>

namespace worksheets {

namespace {
using worksheet::Item;
using worksheet::Room;

constexpr double gap = 12;       // between problems
constexpr double writeLine = 24; // between the lines to write on

QString number(int i)
{
    return QString::number(i + 1) + QStringLiteral(".");
}

double lineHeight(QPainter& p)
{
    return QFontMetricsF(p.font(), p.device()).lineSpacing();
}

// Text with its top at y.
void text(QPainter& p, double x, double y, const QString& s)
{
    p.drawText(QPointF(x, y + QFontMetricsF(p.font(), p.device()).ascent()), s);
}

void ruledLines(QPainter& p, double x, double y, double width, int n)
{
    p.save();
    p.setPen(QPen(Qt::gray, 0.5));
    for (int k = 1; k <= n; ++k)
        p.drawLine(QPointF(x, y + k * writeLine), QPointF(x + width, y + k * writeLine));
    p.restore();
}

// The explanation's fixed-width font, smaller where its longest line would
// not fit in the width.
QFont fitting(const QStringList& lines, double width, QPaintDevice* device)
{
    qsizetype longest = 0;
    for (const QString& l : lines)
        longest = std::max(longest, l.size());
    QFont f = monoFont();
    const double advance = QFontMetricsF(f, device).horizontalAdvance(QLatin1Char('0'));
    if (longest * advance > width)
        f.setPointSizeF(std::max(5.0, f.pointSizeF() * width / (longest * advance)));
    return f;
}

// Short problems, two to a row.
std::size_t shortRows(Paper& paper, const worksheet::Sheet& sheet, std::size_t i)
{
    QPainter& p = paper.painter();
    const double h = lineHeight(p) + gap;
    const double column = paper.width() / 2;
    for (int c = 0; i < sheet.items.size() && sheet.items[i].room == Room::Short; ++i, c ^= 1) {
        if (c == 0)
            paper.need(h);
        text(p, c * column, paper.y, number(int(i)));
        text(p, c * column + 28, paper.y, sheet.items[i].problem);
        if (c == 1 || i + 1 == sheet.items.size() || sheet.items[i + 1].room != Room::Short)
            paper.y += h;
    }
    return i;
}

// A problem on its lines, and lines for the working.
void worked(Paper& paper, const Item& item, int i)
{
    QPainter& p = paper.painter();
    const double line = lineHeight(p);
    const QStringList lines = ui::textLines(item.problem);
    const double drawn = item.draw ? 2.2 * line : 0;
    const double problem = item.draw ? drawn + line : lines.size() * line;
    const int writing = 3;
    paper.need(problem + writing * writeLine + gap);
    text(p, 0, paper.y, number(i));
    if (item.draw) {
        item.draw(p, QRectF(28, paper.y, paper.width() - 28, drawn));
        text(p, 28, paper.y + drawn, item.blank);
    } else {
        for (qsizetype k = 0; k < lines.size(); ++k)
            text(p, 28, paper.y + k * line, lines[k]);
    }
    paper.y += problem;
    ruledLines(p, 28, paper.y, paper.width() - 28, writing);
    paper.y += writing * writeLine + gap;
}

// Pictures two to a row: graphs four to a page, angles six.
std::size_t pictures(Paper& paper, const worksheet::Sheet& sheet, std::size_t i)
{
    QPainter& p = paper.painter();
    const Room room = sheet.items[i].room;
    const double column = paper.width() / 2;
    const double line = lineHeight(p);
    const double side = room == Room::Graph ? column - 40 : column * 0.6;
    const double h = side + line + 2 * gap;
    for (int c = 0; i < sheet.items.size() && sheet.items[i].room == room; ++i, c ^= 1) {
        const Item& item = sheet.items[i];
        if (c == 0)
            paper.need(h);
        const double x = c * column;
        text(p, x, paper.y, number(int(i)));
        const double left = room == Room::Graph ? x + 24 : x + (column - side) / 2;
        item.draw(p, QRectF(left, paper.y, side, side));
        const double below = paper.y + side + gap / 2;
        if (room == Room::Angle) {
            // A box for the estimate in degrees.
            const double boxWidth = 70;
            const double bx = x + column / 2 - boxWidth;
            p.drawRect(QRectF(bx, below - 3, boxWidth, line + 6));
            text(p, bx + boxWidth + 6, below, QStringLiteral("graden"));
        } else {
            text(p, left, below, item.blank);
        }
        if (c == 1 || i + 1 == sheet.items.size() || sheet.items[i + 1].room != room)
            paper.y += h;
    }
    return i;
}
} // namespace

void layOutProblems(Paper& paper, const worksheet::Sheet& sheet)
{
    paper.painter().setFont(textFont());
    for (std::size_t i = 0; i < sheet.items.size();) {
        switch (sheet.items[i].room) {
        case Room::Short:
            i = shortRows(paper, sheet, i);
            break;
        case Room::Lines:
            worked(paper, sheet.items[i], int(i));
            ++i;
            break;
        case Room::Graph:
        case Room::Angle:
            i = pictures(paper, sheet, i);
            break;
        }
    }
}

void layOutKey(Paper& paper, const worksheet::Sheet& sheet)
{
    QPainter& p = paper.painter();
    for (std::size_t i = 0; i < sheet.items.size(); ++i) {
        const Item& item = sheet.items[i];
        const QStringList lines =
            item.explanation.isEmpty() ? QStringList() : ui::textLines(item.explanation);
        const QFont mono = fitting(lines, paper.width() - 28, p.device());
        p.setFont(mono);
        const double monoLine = lineHeight(p);
        p.setFont(textFont(11, true));
        const double line = lineHeight(p);
        // A block stays on one page unless it is longer than a page.
        paper.need(line + lines.size() * monoLine + gap);
        text(p, 0, paper.y, number(int(i)));
        text(p, 28, paper.y, item.answer);
        if (!item.explanationTitle.isEmpty()) {
            const double after =
                28 + QFontMetricsF(p.font(), p.device()).horizontalAdvance(item.answer) + 24;
            p.setFont(textFont(9));
            p.setPen(Qt::darkGray);
            text(p, std::max(after, paper.width() * 0.6), paper.y + 2, item.explanationTitle);
            p.setPen(Qt::black);
        }
        paper.y += line;
        p.setFont(mono);
        for (const QString& l : lines) {
            if (paper.y + monoLine > paper.bottom()) {
                paper.newPage();
                p.setFont(mono);
            }
            text(p, 28, paper.y, l);
            paper.y += monoLine;
        }
        paper.y += gap;
    }
}

} // namespace worksheets
