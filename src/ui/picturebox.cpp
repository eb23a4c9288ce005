#include "picturebox.h"

#include "accessible.h"
#include "twips.h"

#include <QAccessible>

#include <QPainter>
#include <cmath>

namespace ui {

PictureBox::PictureBox(QWidget* parent, int left, int top, int width, int height) : QWidget(parent)
{
    setGeometryTw(this, left, top, width, height);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureImage();
    installAccessibility();
}

void PictureBox::setScale(double left, double top, double width, double height)
{
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
    twipsScale_ = false;
    currentX = left;
    currentY = top;
}

void PictureBox::setBackColour(const QColor& c)
{
    back_ = c;
    clear();
}

double PictureBox::xUnitsPerPixel() const
{
    return twipsScale_ ? twipsPerPixel : scaleWidth_ / std::max(1, width());
}

double PictureBox::yUnitsPerPixel() const
{
    return twipsScale_ ? twipsPerPixel : scaleHeight_ / std::max(1, height());
}

UserScale PictureBox::userScale() const
{
    return {twipsScale_ ? 0 : scaleLeft_, twipsScale_ ? 0 : scaleTop_, xUnitsPerPixel(),
            yUnitsPerPixel()};
}

QPointF PictureBox::toPixels(double x, double y) const
{
    return userScale().toPixels(x, y);
}

UserPainter PictureBox::painter()
{
    ensureImage();
    update();
    return UserPainter(&image_, userScale(), font(), fore_, {currentX, currentY});
}

void PictureBox::ensureImage()
{
    const qreal dpr = devicePixelRatioF();
    const QSize want = size() * dpr;
    if (image_.size() == want && !image_.isNull())
        return;
    QImage next(want.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    next.setDevicePixelRatio(dpr);
    next.fill(back_);
    if (!image_.isNull()) {
        QPainter p(&next);
        p.drawImage(QPointF(0, 0), image_);
    }
    image_ = next;
}

void PictureBox::resizeEvent(QResizeEvent*)
{
    ensureImage();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    ensureImage();
    QPainter p(this);
    p.drawImage(QPointF(0, 0), image_);
}

void PictureBox::clear()
{
    ensureImage();
    image_.fill(back_);
    printed_.clear();
    currentX = twipsScale_ ? 0 : scaleLeft_;
    currentY = twipsScale_ ? 0 : scaleTop_;
    update();
}

double PictureBox::textHeight() const
{
    return QFontMetricsF(font()).height() * yUnitsPerPixel();
}

double PictureBox::textWidth(const QString& text) const
{
    return QFontMetricsF(font()).horizontalAdvance(text) * xUnitsPerPixel();
}

void PictureBox::print(const QString& text)
{
    const QStringList lines = textLines(text);
    for (const QString& l : lines)
        printLine(l);
    record(lines);
}

// The printed lines are kept for a screen reader, which hears of each new one.
void PictureBox::record(const QStringList& lines)
{
    const int at = int(printed_.join(QLatin1Char('\n')).size());
    printed_ += lines;
    QAccessibleTextInsertEvent event(this, at, lines.join(QLatin1Char('\n')));
    QAccessible::updateAccessibility(&event);
    announce(this, QAccessible::TextInserted, true);
}

void PictureBox::paint(const std::function<void(UserPainter&)>& draw)
{
    UserPainter p = painter();
    p.printed = [this](const QStringList& lines) { record(lines); };
    draw(p);
    // The font and colour a drawing ends with stay with the picture, as they
    // do for printed text: the next drawing or line of text starts with them.
    setFont(p.font());
    fore_ = p.colour();
}

void PictureBox::printLine(const QString& text)
{
    ensureImage();
    if (keepNewest_)
        scrollForNextLine();
    UserPainter p = painter();
    p.printLine(text);
    currentX = p.currentX;
    currentY = p.currentY;
}

// A history area moves its picture up when the next line would not fit.
void PictureBox::scrollForNextLine()
{
    const QFontMetricsF fm(font());
    const QPointF at = toPixels(currentX, currentY);
    const double overflow = at.y() + fm.height() - height();
    if (overflow <= 0)
        return;
    const int shift = int(std::ceil(overflow * image_.devicePixelRatio()));
    QImage moved(image_.size(), image_.format());
    moved.setDevicePixelRatio(image_.devicePixelRatio());
    moved.fill(back_);
    QPainter p(&moved);
    p.drawImage(QPoint(0, 0), image_, QRect(0, shift, image_.width(), image_.height() - shift));
    p.end();
    image_ = moved;
    currentY -= shift / image_.devicePixelRatio() * yUnitsPerPixel();
}

} // namespace ui
