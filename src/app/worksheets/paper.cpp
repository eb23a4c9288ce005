#include "paper.h"

#include <QPdfWriter>

namespace worksheets {

QFont textFont(double points, bool bold)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

QFont monoFont(double points)
{
    QFont f(QStringLiteral("DejaVu Sans Mono"));
    f.setStyleHint(QFont::Monospace);
    f.setPointSizeF(points);
    return f;
}

Paper::Paper(QPdfWriter& pdf, QPainter& painter)
    : pdf_(pdf), p_(painter), width_(pdf.width()), height_(pdf.height())
{
}

void Paper::newPage()
{
    if (!first_ && empty_)
        return;
    if (!first_)
        pdf_.newPage();
    first_ = false;
    p_.save();
    y = header_ ? header_(p_, width_) : 0;
    p_.restore();
    empty_ = true;
}

void Paper::need(double height)
{
    if (first_ || (y + height > height_ && !empty_))
        newPage();
    empty_ = false;
}

} // namespace worksheets
