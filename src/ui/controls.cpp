#include "controls.h"

#include "accessible.h"
#include "messagebox.h"
#include "twips.h"

#include <QKeyEvent>

namespace ui {

namespace {
bool isEnter(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
}
} // namespace

Label::Label(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QLabel(parent)
{
    setGeometryTw(this, left, top, width, height);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setTextFormat(Qt::PlainText);
    setCaption(caption);
}

void Label::setCaption(const QString& caption)
{
    caption_ = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    // Qt tells a screen reader of a new text but not of the same text again,
    // which a pupil must hear as well, nor of a label with a name of its own.
    const bool qtTells = shown != text() && accessibleName().isEmpty();
    setText(shown);
    announce(this, QAccessible::NameChanged, qtTells);
}

void Label::setColours(const QColor& text, const QColor& background)
{
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Window, background);
    setPalette(p);
}

TextBox::TextBox(QWidget* parent, int left, int top, int width, int height) : QLineEdit(parent)
{
    setGeometryTw(this, left, top, width, height);
}

void TextBox::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event)) {
        event->accept();
        if (onEnter && !messageBoxOpen())
            onEnter();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::NoWrap);
}

void TextArea::setContents(const QString& text)
{
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setPlainText(t);
}

Button::Button(QWidget* parent, const QString& caption, int left, int top, int width, int height)
    : QPushButton(caption, parent)
{
    setGeometryTw(this, left, top, width, height);
    installAccessibility();
    connect(this, &QPushButton::clicked, this, [this] {
        if (onClick && !messageBoxOpen())
            onClick();
    });
}

void Button::setMarked(bool marked)
{
    marked_ = marked;
    QFont f = font();
    f.setBold(marked);
    setFont(f);
}

void Button::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(event)) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

OptionButton::OptionButton(QWidget* parent, const QString& caption, int left, int top, int width,
                           int height)
    : QRadioButton(caption, parent)
{
    setGeometryTw(this, left, top, width, height);
    installAccessibility();
    connect(this, &QRadioButton::clicked, this, [this] {
        if (onClick && !messageBoxOpen())
            onClick();
    });
}

void OptionButton::clear()
{
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

} // namespace ui
