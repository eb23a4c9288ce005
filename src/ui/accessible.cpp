#include "accessible.h"

#include "controls.h"
#include "lineview.h"
#include "messagebox.h"
#include "picturebox.h"

#include <QAccessibleWidget>

namespace ui {

namespace {

// A widget that paints its text itself (a picture area: the lines printed
// on it since it was last cleared; a line view: its lines), with that text as
// its accessible text, read-only.
class LinesAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    LinesAccessible(QWidget* w, QAccessible::Role role, std::function<QString()> text)
        : QAccessibleWidget(w, role), all_(std::move(text))
    {
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    QString all() const { return all_(); }

    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return all().mid(start, end - start); }
    int characterCount() const override { return int(all().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return {};
    }
    using QAccessibleWidget::text;

private:
    std::function<QString()> all_;
};

// A command or option button whose press and toggle actions click it, as
// the mouse and the keys do, so that its handler runs. The click comes right
// after the action has returned, as with Qt's own buttons: a handler that
// opens a modal box must not keep the screen reader waiting until it closes.
// A screen reader reaches buttons behind a modal box too; while one is open
// the click does nothing.
class ButtonAccessible : public QAccessibleWidget {
public:
    ButtonAccessible(QAbstractButton* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }

    QString text(QAccessible::Text t) const override
    {
        const QString caption = QString(button()->text()).remove(QLatin1Char('&'));
        const QString name = widget()->accessibleName();
        if (t == QAccessible::Name)
            return name.isEmpty() ? caption : name;
        // A button with a spoken name of its own still tells what it shows.
        if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty() &&
            !name.contains(caption.simplified()))
            return caption.simplified();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = button()->isCheckable();
        s.checked = button()->isChecked();
        s.pressed = button()->isDown();
        return s;
    }
    QStringList actionNames() const override
    {
        QStringList names;
        if (widget()->isEnabled()) {
            names << pressAction();
            if (button()->isCheckable())
                names << toggleAction();
        }
        return names + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (!widget()->isEnabled())
            return;
        if (action == pressAction() || action == toggleAction())
            QMetaObject::invokeMethod(
                button(),
                [b = button()] {
                    if (b->isEnabled() && !messageBoxOpen())
                        b->click();
                },
                Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (className == QLatin1String("ui::PictureBox")) {
        auto* p = static_cast<PictureBox*>(object);
        return new LinesAccessible(p, QAccessible::Graphic,
                                   [p] { return p->printedLines().join(QLatin1Char('\n')); });
    }
    if (className == QLatin1String("ui::LineView")) {
        auto* v = static_cast<LineView*>(object);
        return new LinesAccessible(v, QAccessible::EditableText, [v] { return v->contents(); });
    }
    if (className == QLatin1String("ui::Button"))
        return new ButtonAccessible(static_cast<Button*>(object), QAccessible::Button);
    if (className == QLatin1String("ui::OptionButton"))
        return new ButtonAccessible(static_cast<OptionButton*>(object), QAccessible::RadioButton);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

namespace {
AnnouncementObserver observer;
} // namespace

void announce(QObject* object, QAccessible::Event type, bool sentByQt)
{
    if (!sentByQt) {
        QAccessibleEvent event(object, type);
        QAccessible::updateAccessibility(&event);
    }
    if (observer)
        observer(object, type);
}

void focusForAnswer(QWidget* box, const QString& description)
{
    const bool had = box->hasFocus();
    box->setAccessibleDescription(description);
    box->setFocus();
    announce(box, QAccessible::Focus, !had && box->hasFocus());
}

AnnouncementObserver setAnnouncementObserver(AnnouncementObserver next)
{
    std::swap(observer, next);
    return next;
}

} // namespace ui
