#include "userpainter.h"

#include <QPainterPath>
#include <cmath>

namespace ui {

QStringList textLines(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    t.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return t.split(QLatin1Char('\r'));
}

UserPainter::UserPainter(QPaintDevice* device, const UserScale& scale, const QFont& font)
    : UserPainter(device, scale, font, Qt::black, {scale.left, scale.top})
{
}

UserPainter::UserPainter(QPaintDevice* device, const UserScale& scale, const QFont& font,
                         const QColor& colour, QPointF position)
    : currentX(position.x()), currentY(position.y()), p_(device), freshHints_(p_.renderHints()),
      scale_(scale), font_(font), colour_(colour)
{
}

// Every shape starts from the painter's own defaults, so that what one
// shape leaves behind never shows in the next.
void UserPainter::startShape()
{
    p_.setRenderHints(freshHints_);
    p_.setRenderHints(~freshHints_, false);
    p_.setBrush(Qt::NoBrush);
}

void UserPainter::line(double x1, double y1, double x2, double y2)
{
    startShape();
    p_.setRenderHint(QPainter::Antialiasing, smooth_);
    p_.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
    QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    if (!smooth_ && width_ % 2 == 1) { // crisp one-pixel lines on pixel centres
        a = QPointF(std::floor(a.x()) + 0.5, std::floor(a.y()) + 0.5);
        b = QPointF(std::floor(b.x()) + 0.5, std::floor(b.y()) + 0.5);
    }
    p_.drawLine(a, b);
    moveTo(x2, y2);
}

void UserPainter::point(double x, double y)
{
    startShape();
    p_.setRenderHint(QPainter::Antialiasing, smooth_);
    p_.setPen(Qt::NoPen);
    p_.setBrush(colour_);
    const double r = std::max(1, width_) / 2.0;
    p_.drawEllipse(toPixels(x, y), r, r);
}

void UserPainter::pie(double cx, double cy, double radius, double startDeg, double spanDeg,
                      const QColor& fill, const QColor& outline)
{
    startShape();
    p_.setRenderHint(QPainter::Antialiasing, smooth_);
    const QPointF c = toPixels(cx, cy);
    const double r = std::fabs(radius / scale_.xUnitsPerPixel);
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    QPainterPath path(c);
    path.arcTo(box, startDeg, spanDeg); // Qt's angles run counter-clockwise on screen
    path.closeSubpath();
    p_.setPen(QPen(outline, width_));
    p_.setBrush(fill);
    p_.drawPath(path);
}

void UserPainter::image(double x, double y, double width, double height, const QImage& img)
{
    startShape();
    p_.setRenderHint(QPainter::SmoothPixmapTransform, true);
    const QPointF a = toPixels(x, y), b = toPixels(x + width, y + height);
    p_.drawImage(QRectF(a, b).normalized(), img);
}

void UserPainter::print(const QString& text)
{
    const QStringList lines = textLines(text);
    for (const QString& l : lines)
        printLine(l);
    if (printed)
        printed(lines);
}

void UserPainter::printLine(const QString& text)
{
    startShape();
    p_.setRenderHint(QPainter::TextAntialiasing, true);
    const QFontMetricsF fm(font_);
    const QPointF at = toPixels(currentX, currentY);
    p_.setFont(font_);
    p_.setPen(colour_);
    p_.drawText(QPointF(at.x(), at.y() + fm.ascent()), text);
    currentX = scale_.left;
    currentY += fm.height() * scale_.yUnitsPerPixel;
}

double UserPainter::textHeight() const
{
    return QFontMetricsF(font_).height() * scale_.yUnitsPerPixel;
}

double UserPainter::textWidth(const QString& text) const
{
    return QFontMetricsF(font_).horizontalAdvance(text) * scale_.xUnitsPerPixel;
}

} // namespace ui
