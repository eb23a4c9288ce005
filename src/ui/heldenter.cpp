#include "heldenter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ui {

HeldEnterGuard::HeldEnterGuard(QWidget* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool HeldEnterGuard::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    if (key->isAutoRepeat())
        return !pressedHere_; // held down since before this window came up
    pressedHere_ = type == QEvent::KeyPress;
    return false;
}

} // namespace ui
