#include "pdfreport.h"

#include "chartdata.h"
#include "classtable.h"
#include "mastery.h"
#include "pupilchart.h"

#include <QPainter>
#include <QPdfWriter>

namespace overview {

namespace {
// Draws the pupil's table rows from top; returns the height used.
int drawRows(QPainter& p, const ClassTable& table, const QString& pupil, int top, int width)
{
    const int line = p.fontMetrics().height() * 5 / 4;
    // The name is the heading; the chance and the advice follow below the
    // rows, a line per exercise.
    const int columns = ClassTable::LastWhen;
    const int first = width * 3 / 10;
    const int step = (width - first) / (columns - 1);
    auto x = [&](int c) { return c == 1 ? 0 : first + (c - 2) * step; };
    int y = top;
    QFont bold = p.font();
    bold.setBold(true);
    const QFont normal = p.font();
    p.setFont(bold);
    for (int c = 1; c <= columns; ++c)
        p.drawText(x(c), y + line, table.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    p.setFont(normal);
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.row(r).name != pupil)
            continue;
        y += line;
        for (int c = 1; c <= columns; ++c)
            p.drawText(x(c), y + line, table.index(r, c).data().toString());
    }
    return y + 2 * line - top;
}

// Draws the pupil's advice from top, a line per exercise; returns the height used.
int drawAdvice(QPainter& p, const QStringList& lines, int top)
{
    const int line = p.fontMetrics().height() * 5 / 4;
    int y = top;
    for (const QString& text : lines) {
        y += line;
        p.drawText(0, y, text);
    }
    return lines.isEmpty() ? 0 : y + line - top;
}
} // namespace

bool writeReport(const QString& path, const ClassTable& table, const Mastery& mastery,
                 const QString& title)
{
    QPdfWriter pdf(path);
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Telkompas overzicht"));
    QPainter p;
    if (!p.begin(&pdf))
        return false;
    const int width = p.viewport().width();
    QStringList pupils;
    for (int r = 0; r < table.rowCount(); ++r) {
        if (!pupils.contains(table.row(r).name))
            pupils << table.row(r).name;
    }
    QFont font(QStringLiteral("Sans Serif"), 10);
    QFont heading(QStringLiteral("Sans Serif"), 16, QFont::Bold);
    PupilChart chart;
    chart.resize(900, 450);
    for (qsizetype i = 0; i < pupils.size(); ++i) {
        if (i > 0)
            pdf.newPage();
        p.setFont(font);
        p.drawText(0, p.fontMetrics().ascent(), title);
        p.setFont(heading);
        const int top = p.fontMetrics().height() * 2;
        p.drawText(0, top, pupils[i]);
        p.setFont(font);
        int used = drawRows(p, table, pupils[i], top, width);
        QStringList advice = adviceLines(mastery, pupils[i]);
        if (!advice.isEmpty())
            advice.prepend(QStringLiteral("Advies:"));
        used += drawAdvice(p, advice, top + used);
        chart.showLines(pupils[i], chartLines(table.recordsOf(pupils[i])));
        const QRectF target(0, top + used, width, width / 2.0);
        chart.scene()->setSceneRect(QRectF(QPointF(0, 0), chart.size()));
        chart.chart()->resize(chart.size());
        chart.scene()->render(&p, target, chart.scene()->sceneRect());
    }
    return p.end();
}

} // namespace overview
