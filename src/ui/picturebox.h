#pragma once
// A drawing area with a persistent picture (it survives being covered and
// uncovered), its own user coordinate system and a current position for text.
// Lines of text are printed on it directly; everything else is drawn through
// the painter it hands out.

#include "userpainter.h"

#include <QImage>
#include <QWidget>
#include <functional>

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

    // The user coordinates in logical pixels of the picture as it is now.
    UserScale userScale() const;
    // Draws with a painter on the picture in its user coordinates, font and
    // fore colour, starting at the current position; the painter is gone
    // again when `draw` returns. Text it prints joins the printed lines, and
    // the picture keeps the font and colour the drawing ended with.
    void paint(const std::function<void(UserPainter&)>& draw);

    // For tests and screenshots.
    const QImage& image() const { return image_; }
    QPointF toPixels(double x, double y) const;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    void ensureImage();
    UserPainter painter();
    void printLine(const QString& text);
    void record(const QStringList& lines);
    void scrollForNextLine();
    double xUnitsPerPixel() const;
    double yUnitsPerPixel() const;

    QImage image_;
    QStringList printed_;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleWidth_ = 1, scaleHeight_ = 1;
    bool twipsScale_ = true;
    QColor back_ = Qt::white;
    QColor fore_ = Qt::black;
    bool keepNewest_ = false;
};

} // namespace ui
