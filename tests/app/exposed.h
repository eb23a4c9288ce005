#pragma once
// Whether a screen reader can name every control a pupil uses and read every
// text a pupil sees on a form, and in the message boxes shown so far.

#include "app/overview/pupilchart.h"
#include "ui/lineview.h"
#include "ui/messagebox.h"
#include "ui/picturebox.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QXYSeries>
#include <QtTest>

namespace tktest {
// Name, description, value and text of the control's interface.
inline QString exposed(QAccessibleInterface* i)
{
    QString t = i->text(QAccessible::Name) + '\n' + i->text(QAccessible::Description) + '\n' +
                i->text(QAccessible::Value);
    if (QAccessibleTextInterface* ti = i->textInterface())
        t += '\n' + ti->text(0, ti->characterCount());
    return t;
}

// The text boxes and buttons of the form that have no accessible name.
inline QStringList unnamedControls(QWidget* form)
{
    QStringList unnamed;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w) ||
                           qobject_cast<QAbstractButton*>(w);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
        if (input && !w->inherits("QScrollBar") &&
            (!i || i->text(QAccessible::Name).trimmed().isEmpty()))
            unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    }
    return unnamed;
}

// The lines a pupil sees on the widget.
inline QStringList shownLines(QWidget* w)
{
    if (auto* l = qobject_cast<QLabel*>(w))
        return l->text().split(QLatin1Char('\n'));
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        return {b->text().remove(QLatin1Char('&'))};
    if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) // its text box is read through it
        return {s->text()};
    if (auto* e = qobject_cast<QLineEdit*>(w); e && !qobject_cast<QAbstractSpinBox*>(w->parent()))
        return {e->text()};
    if (auto* p = qobject_cast<QPlainTextEdit*>(w))
        return p->toPlainText().split(QLatin1Char('\n'));
    if (auto* p = qobject_cast<ui::PictureBox*>(w))
        return p->printedLines();
    if (auto* v = qobject_cast<ui::LineView*>(w))
        return v->contents().split(QLatin1Char('\n'));
    if (auto* c = qobject_cast<overview::PupilChart*>(w)) { // its title, lines and points
        QStringList lines{c->chart()->title()};
        for (QAbstractSeries* series : c->chart()->series()) {
            lines << series->name();
            for (const QPointF& p : static_cast<QXYSeries*>(series)->points())
                lines << QDateTime::fromMSecsSinceEpoch(qint64(p.x())).toString("d-M-yyyy H:mm") +
                             ' ' + QLocale(QLocale::Dutch).toString(p.y(), 'f', 1) + " %";
        }
        return lines;
    }
    return {};
}

inline QStringList linesNotExposed(QWidget* w, const QStringList& lines)
{
    QStringList missing;
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(w);
    const QString all = i ? exposed(i).simplified() : QString();
    for (const QString& line : lines)
        if (!line.simplified().isEmpty() && !all.contains(line.simplified()))
            missing << QStringLiteral("%1 %2: \"%3\" not in \"%4\"")
                           .arg(w->metaObject()->className(), w->objectName(), line, all);
    return missing;
}

// Every text box and button of the form needs a name, every text shown on
// it, and every message box shown so far, must be in the name, description or
// text of its control.
inline QStringList notExposed(QWidget* form, const ui::MessageRecorder& messages)
{
    QStringList missing = unnamedControls(form);
    for (QWidget* w : form->findChildren<QWidget*>())
        if (w->isVisibleTo(form))
            missing += linesNotExposed(w, shownLines(w));
    for (const ui::Message& m : messages.messages) {
        const auto box = ui::makeMessageBox(m.title, m.text);
        missing += linesNotExposed(
            box.get(),
            QString(m.text).replace(QLatin1Char('\r'), QLatin1Char('\n')).split(QLatin1Char('\n')));
    }
    return missing;
}

} // namespace tktest

#define CHECK_EXPOSED(form, s)                                                                     \
    do {                                                                                           \
        const QStringList missing = tktest::notExposed(form, s);                                   \
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));                  \
    } while (false)
