#include "picturebox.h"

#include "accessible.h"
#include "twips.h"

#include <QAccessible>

#include <QPainter>
#include <QPainterPath>
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

QPointF PictureBox::toPixels(double x, double y) const
{
    const double left = twipsScale_ ? 0 : scaleLeft_;
    const double top = twipsScale_ ? 0 : scaleTop_;
    return {(x - left) / xUnitsPerPixel(), (y - top) / yUnitsPerPixel()};
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
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    t.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    const QStringList lines = t.split(QLatin1Char('\r'));
    for (const QString& l : lines)
        printLine(l);
    const int at = int(printed_.join(QLatin1Char('\n')).size());
    printed_ += lines;
    QAccessibleTextInsertEvent event(this, at, lines.join(QLatin1Char('\n')));
    QAccessible::updateAccessibility(&event);
    announce(this, QAccessible::TextInserted, true);
}

void PictureBox::printLine(const QString& text)
{
    ensureImage();
    const QFontMetricsF fm(font());
    if (keepNewest_) {
        const QPointF at = toPixels(currentX, currentY);
        const double overflow = at.y() + fm.height() - height();
        if (overflow > 0) {
            const int shift = int(std::ceil(overflow * image_.devicePixelRatio()));
            QImage moved(image_.size(), image_.format());
            moved.setDevicePixelRatio(image_.devicePixelRatio());
            moved.fill(back_);
            QPainter p(&moved);
            p.drawImage(QPoint(0, 0), image_,
                        QRect(0, shift, image_.width(), image_.height() - shift));
            p.end();
            image_ = moved;
            currentY -= shift / image_.devicePixelRatio() * yUnitsPerPixel();
        }
    }
    const QPointF at = toPixels(currentX, currentY);
    {
        QPainter p(&image_);
        p.setRenderHint(QPainter::TextAntialiasing, true);
        p.setFont(font());
        p.setPen(fore_);
        p.drawText(QPointF(at.x(), at.y() + fm.ascent()), text);
    }
    currentX = twipsScale_ ? 0 : scaleLeft_;
    currentY += fm.height() * yUnitsPerPixel();
    update();
}

void PictureBox::line(double x1, double y1, double x2, double y2, const QColor& c)
{
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, smooth_);
    p.setPen(QPen(c, drawWidth_, Qt::SolidLine, Qt::RoundCap));
    QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    if (!smooth_ && drawWidth_ % 2 == 1) { // crisp one-pixel lines on pixel centres
        a = QPointF(std::floor(a.x()) + 0.5, std::floor(a.y()) + 0.5);
        b = QPointF(std::floor(b.x()) + 0.5, std::floor(b.y()) + 0.5);
    }
    p.drawLine(a, b);
    currentX = x2;
    currentY = y2;
    update();
}

void PictureBox::point(double x, double y, const QColor& c)
{
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, smooth_);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const QPointF a = toPixels(x, y);
    const double r = std::max(1, drawWidth_) / 2.0;
    p.drawEllipse(a, r, r);
    update();
}

void PictureBox::pie(double cx, double cy, double radius, double startDeg, double spanDeg,
                     const QColor& fill, const QColor& outline)
{
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::Antialiasing, smooth_);
    const QPointF c = toPixels(cx, cy);
    const double r = std::fabs(radius / xUnitsPerPixel());
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath path(c);
    path.arcTo(box, startDeg, spanDeg); // Qt's angles run counter-clockwise on screen
    path.closeSubpath();
    p.setPen(QPen(outline, drawWidth_));
    p.setBrush(fill);
    p.drawPath(path);
    update();
}

void PictureBox::drawImage(double x, double y, double width, double height, const QImage& img)
{
    ensureImage();
    QPainter p(&image_);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPointF a = toPixels(x, y), b = toPixels(x + width, y + height);
    p.drawImage(QRectF(a, b).normalized(), img);
    update();
}

QColor PictureBox::pixelAt(double x, double y) const
{
    const QPointF a = toPixels(x, y) * image_.devicePixelRatio();
    const QPoint q(int(std::floor(a.x())), int(std::floor(a.y())));
    if (!image_.rect().contains(q))
        return {};
    return image_.pixelColor(q);
}

} // namespace ui
