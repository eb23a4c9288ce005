#pragma once
// Reading forms as a screen reader does: through the accessibility
// interfaces only.

#include <QAccessible>
#include <QWidget>
#include <functional>

namespace a11y {

// Name, description, value and text of the interface, one after the other.
inline QString exposed(QAccessibleInterface* i)
{
    QString t = i->text(QAccessible::Name) + QLatin1Char('\n') + i->text(QAccessible::Description) +
                QLatin1Char('\n') + i->text(QAccessible::Value);
    if (QAccessibleTextInterface* ti = i->textInterface())
        t += QLatin1Char('\n') + ti->text(0, ti->characterCount());
    return t;
}

// Every interface under the object that a pupil can see, depth first.
inline void walk(QAccessibleInterface* i, const std::function<void(QAccessibleInterface*)>& f)
{
    for (int c = 0; c < i->childCount(); ++c) {
        QAccessibleInterface* child = i->child(c);
        if (!child || child->state().invisible)
            continue;
        f(child);
        walk(child, f);
    }
}

// The first visible interface under the widget that fits.
inline QAccessibleInterface* find(QWidget* top,
                                  const std::function<bool(QAccessibleInterface*)>& fits)
{
    QAccessibleInterface* found = nullptr;
    walk(QAccessible::queryAccessibleInterface(top), [&](QAccessibleInterface* i) {
        if (!found && fits(i))
            found = i;
    });
    return found;
}

} // namespace a11y
