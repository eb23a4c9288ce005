#pragma once
// Positions and sizes of controls are given in twips: 1/1440 inch, so 15 twips
// make one logical pixel (Qt scales logical pixels on high-DPI screens).

#include <QColor>
#include <QWidget>

namespace ui {

constexpr int twipsPerPixel = 15;

inline int px(int twips)
{
    return (twips + (twips >= 0 ? 7 : -7)) / twipsPerPixel;
}
inline int tw(int pixels)
{
    return pixels * twipsPerPixel;
}

void setGeometryTw(QWidget* w, int left, int top, int width, int height);
void setLeftTw(QWidget* w, int left);
void setTopTw(QWidget* w, int top);
void setWidthTw(QWidget* w, int width);
void setHeightTw(QWidget* w, int height);
inline int topTw(const QWidget* w)
{
    return tw(w->y());
}
inline int widthTw(const QWidget* w)
{
    return tw(w->width());
}

// The 16 standard colours by number: 0 black, 1 blue, ... 15 white.
QColor colour(int number);

} // namespace ui
