#include "lineview.h"

#include "accessible.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>

namespace ui {

namespace {
constexpr int margin = 4; // pixels left of the text and above the first line
}

LineView::LineView(QWidget* parent) : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFocusPolicy(Qt::StrongFocus);
    installAccessibility(); // its lines are its accessible text
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);
}

void LineView::clear()
{
    lines_.clear();
    widest_ = 0;
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
}

void LineView::appendLines(const QStringList& lines)
{
    for (const QString& l : lines)
        widest_ = std::max(widest_, l.size());
    lines_ += lines;
    updateScrollBars();
    viewport()->update();
}

QString LineView::contents() const
{
    qsizetype size = 0;
    for (const QString& l : lines_)
        size += l.size() + 1;
    QString text;
    text.reserve(size);
    for (const QString& l : lines_) {
        text += l;
        text += QLatin1Char('\n');
    }
    return text;
}

int LineView::lineHeight() const
{
    return std::max(1, fontMetrics().lineSpacing());
}

void LineView::updateScrollBars()
{
    const int inSight = std::max(1, (viewport()->height() - margin) / lineHeight());
    const qsizetype last = std::max<qsizetype>(0, lines_.size() - inSight);
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, int(std::min<qsizetype>(last, INT_MAX)));
    v->setPageStep(inSight);
    v->setSingleStep(1);
    const qsizetype wide = widest_ * fontMetrics().horizontalAdvance(QLatin1Char('m')) + 2 * margin;
    QScrollBar* h = horizontalScrollBar();
    h->setRange(
        0, int(std::min<qsizetype>(std::max<qsizetype>(0, wide - viewport()->width()), INT_MAX)));
    h->setPageStep(viewport()->width());
    h->setSingleStep(fontMetrics().horizontalAdvance(QLatin1Char('m')));
}

void LineView::paintEvent(QPaintEvent*)
{
    QPainter p(viewport());
    p.setPen(palette().color(QPalette::Text));
    const int h = lineHeight();
    const int ascent = fontMetrics().ascent();
    const int x = margin - horizontalScrollBar()->value();
    qsizetype index = verticalScrollBar()->value();
    for (int y = margin; y < viewport()->height() && index < lines_.size(); y += h, ++index)
        p.drawText(x, y + ascent, lines_.at(index));
}

void LineView::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void LineView::keyPressEvent(QKeyEvent* event)
{
    QScrollBar* v = verticalScrollBar();
    if (event->matches(QKeySequence::Copy))
        QApplication::clipboard()->setText(contents());
    else if (event->matches(QKeySequence::MoveToStartOfDocument))
        v->setValue(0);
    else if (event->matches(QKeySequence::MoveToEndOfDocument))
        v->setValue(v->maximum());
    else if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End)
        v->setValue(event->key() == Qt::Key_Home ? 0 : v->maximum());
    else
        QAbstractScrollArea::keyPressEvent(event); // arrows and page keys scroll
}

} // namespace ui
