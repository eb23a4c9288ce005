#include "form.h"

#include "formregistry.h"
#include "messagebox.h"
#include "twips.h"

#include <QCloseEvent>

namespace ui {

Form::Form(const QString& name) : QWidget(nullptr), name_(name)
{
    setObjectName(name);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void Form::setCaption(const QString& caption)
{
    setWindowTitle(caption);
}

void Form::setSizeTw(int width, int height)
{
    widthTw_ = width;
    setFixedSize(px(width), px(height));
}

void Form::setWidthTw(int width)
{
    widthTw_ = width;
    setFixedWidth(px(width));
}

int Form::widthTw() const
{
    return widthTw_;
}

void Form::closeEvent(QCloseEvent* event)
{
    if (FormRegistry::instance().closing(this)) {
        event->accept();
        return;
    }
    if (messageBoxOpen() || !closeRequested()) {
        event->ignore();
        return;
    }
    event->accept();
}

} // namespace ui
