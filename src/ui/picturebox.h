#pragma once
// A drawing area with a persistent picture (it survives being covered and
// uncovered), its own user coordinate system and a current position for text.
// Shapes are drawn anti-aliased when smooth is on; text and straight grid
// lines stay crisp when it is off.

#include <QImage>
#include <QWidget>

namespace ui {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    PictureBox(QWidget* parent, int left, int top, int width, int height);

    // User coordinates: the left edge is x = left, the top edge y = top; width
    // and height may be negative (y growing upwards). Default: twips.
    void setScale(double left, double top, double width, double height);
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    double scaleWidth() const { return scaleWidth_; }
    double scaleHeight() const { return scaleHeight_; }

    void setBackColour(const QColor& c);
    void setForeColour(const QColor& c) { fore_ = c; }
    QColor foreColour() const { return fore_; }
    void setDrawWidth(int pixels) { drawWidth_ = pixels; }
    void setSmooth(bool on) { smooth_ = on; }
    // A history area scrolls up to keep its newest line in view.
    void setKeepNewestInView(bool on) { keepNewest_ = on; }

    // Fills with the background colour; the current position goes to the
    // top-left corner.
    void clear();

    double currentX = 0;
    double currentY = 0;
    void moveTo(double x, double y)
    {
        currentX = x;
        currentY = y;
    }
    // Prints text at the current position in the fore colour; CR (or CR LF)
    // separates lines. Afterwards the position is at the start of the next line.
    void print(const QString& text);
    // The lines printed since the last clear(), for a screen reader.
    const QStringList& printedLines() const { return printed_; }
    double textHeight() const;
    double textWidth(const QString& text) const;

    void line(double x1, double y1, double x2, double y2, const QColor& c);
    void line(double x1, double y1, double x2, double y2) { line(x1, y1, x2, y2, fore_); }
    void point(double x, double y, const QColor& c);
    // A filled pie sector around (cx, cy); angles in degrees, counter-clockwise
    // on the screen from the direction to the right; the radius in x units.
    void pie(double cx, double cy, double radius, double startDeg, double spanDeg,
             const QColor& fill, const QColor& outline);
    // Draws a picture made elsewhere, stretched over a rectangle in user units.
    void drawImage(double x, double y, double width, double height, const QImage& img);

    // For tests and screenshots.
    const QImage& image() const { return image_; }
    QColor pixelAt(double x, double y) const;
    QPointF toPixels(double x, double y) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void ensureImage();
    void printLine(const QString& text);
    double xUnitsPerPixel() const;
    double yUnitsPerPixel() const;

    QImage image_;
    QStringList printed_;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    bool twipsScale_ = true;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    int drawWidth_ = 1;
    bool smooth_ = true;
    bool keepNewest_ = false;
};

} // namespace ui
