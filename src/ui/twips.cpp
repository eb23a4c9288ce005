#include "twips.h"

namespace ui {

void setGeometryTw(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(px(left), px(top), px(width), px(height));
}

void setLeftTw(QWidget* w, int left)
{
    w->move(px(left), w->y());
}
void setTopTw(QWidget* w, int top)
{
    w->move(w->x(), px(top));
}
void setWidthTw(QWidget* w, int width)
{
    w->resize(px(width), w->height());
}
void setHeightTw(QWidget* w, int height)
{
    w->resize(w->width(), px(height));
}

QColor colour(int number)
{
    static const QRgb palette[16] = {
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF,
    };
    return QColor(palette[number & 15]);
}

} // namespace ui
