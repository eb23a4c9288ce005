#pragma once
// Pages of A4 being filled from top to bottom: the header on every page,
// and a new page whenever what comes next does not fit.

#include <QFont>
#include <QPainter>
#include <QString>
#include <functional>

class QPdfWriter;

namespace worksheets {

// The fonts of the paper: real text, embedded in the PDF.
QFont textFont(double points = 11, bool bold = false);
QFont monoFont(double points = 8.5);

class Paper {
public:
    // `header` draws the top of a page and returns its height.
    Paper(QPdfWriter& pdf, QPainter& painter);

    void setHeader(std::function<double(QPainter&, double width)> header) { header_ = header; }
    // Starts a new page with the header, unless nothing is on this one yet.
    void newPage();
    // The pages go on after those of another Paper on the same writer.
    void follow()
    {
        first_ = false;
        empty_ = false;
    }
    // Room for `height` more on this page, or else a new page.
    void need(double height);

    QPainter& painter() { return p_; }
    double width() const { return width_; }
    double bottom() const { return height_; }
    double y = 0; // where the next thing goes

private:
    QPdfWriter& pdf_;
    QPainter& p_;
    double width_;
    double height_;
    bool first_ = true;
    bool empty_ = true;
    std::function<double(QPainter&, double)> header_;
};

} // namespace worksheets
