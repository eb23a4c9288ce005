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
    QString t = i->text(QAccessible::Name) + '\n' + i->text(QAccessible::Description) + '\n' +
                i->text(QAccessible::Value);
    if (QAccessibleTextInterface* ti = i->textInterface())
        t += '\n' + ti->text(0, ti->characterCount());
    return t;
}

// The first interface under i, depth first, that a pupil can see and fits.
inline QAccessibleInterface* find(QAccessibleInterface* i,
                                  const std::function<bool(QAccessibleInterface*)>& fits)
{
    for (int c = 0; c < i->childCount(); ++c) {
        QAccessibleInterface* child = i->child(c);
        if (!child || child->state().invisible)
            continue;
        if (fits(child))
            return child;
        if (QAccessibleInterface* found = find(child, fits))
            return found;
    }
    return nullptr;
}
inline QAccessibleInterface* find(QWidget* top,
                                  const std::function<bool(QAccessibleInterface*)>& fits)
{
    return find(QAccessible::queryAccessibleInterface(top), fits);
}

} // namespace a11y
