#pragma once
// Drawing in user units on any paint device (a picture area's image, a
// plain QImage, a printer): a QPainter together with the mapping from user
// coordinates to logical pixels, a drawing colour and width, and a current
// position for lines of text.

#include <QColor>
#include <QFont>
#include <QPainter>
#include <functional>

namespace ui {

// The lines of a text to print: CR, CR LF and LF each end a line.
QStringList textLines(const QString& text);

// User coordinates: x = left at the left edge and y = top at the top edge,
// so many user units per logical pixel (negative when y grows upwards).
struct UserScale {
    double left = 0;
    double top = 0;
    double xUnitsPerPixel = 1;
    double yUnitsPerPixel = 1;

    QPointF toPixels(double x, double y) const
    {
        return {(x - left) / xUnitsPerPixel, (y - top) / yUnitsPerPixel};
    }
};

class UserPainter {
public:
    // Starts at the top-left corner, drawing in black.
    UserPainter(QPaintDevice* device, const UserScale& scale, const QFont& font);
    UserPainter(QPaintDevice* device, const UserScale& scale, const QFont& font,
                const QColor& colour, QPointF position);
    UserPainter(const UserPainter&) = delete;
    UserPainter& operator=(const UserPainter&) = delete;

    QPainter& painter() { return p_; }
    const UserScale& scale() const { return scale_; }
    QPointF toPixels(double x, double y) const { return scale_.toPixels(x, y); }

    void setColour(const QColor& c) { colour_ = c; }
    QColor colour() const { return colour_; }
    void setWidth(int pixels) { width_ = pixels; }
    // Shapes anti-aliased; off for a crisp grid of one-pixel lines.
    void setSmooth(bool on) { smooth_ = on; }
    void setFont(const QFont& f) { font_ = f; }
    const QFont& font() const { return font_; }

    double currentX = 0;
    double currentY = 0;
    void moveTo(double x, double y)
    {
        currentX = x;
        currentY = y;
    }

    void line(double x1, double y1, double x2, double y2);
    void point(double x, double y);
    // A filled pie sector around (cx, cy); angles in degrees, counter-clockwise
    // on the screen from the direction to the right; the radius in x units.
    void pie(double cx, double cy, double radius, double startDeg, double spanDeg,
             const QColor& fill, const QColor& outline);
    // A picture made elsewhere, stretched over a rectangle in user units.
    void image(double x, double y, double width, double height, const QImage& img);

    // Text at the current position in the colour, one line for each CR (or
    // CR LF, or LF); afterwards the position is at the start of the next line.
    void print(const QString& text);
    void printLine(const QString& text);
    // Told the lines of every print, when set.
    std::function<void(const QStringList&)> printed;
    double textHeight() const;
    double textWidth(const QString& text) const;

private:
    void startShape();

    QPainter p_;
    QPainter::RenderHints freshHints_;
    UserScale scale_;
    QFont font_;
    QColor colour_ = Qt::black;
    int width_ = 1;
    bool smooth_ = true;
};

} // namespace ui
