#pragma once
// What a screen reader gets from the program's own controls, beyond what Qt
// gives every widget: the text printed on a picture area, line by line, and
// buttons whose accessibility actions do exactly what a click does.

#include <QAccessible>
#include <QString>
#include <functional>

class QWidget;

namespace ui {

// Puts the program's accessibility interfaces in place; the first picture
// area or button calls it, later calls do nothing.
void installAccessibility();

// Tells a screen reader of a change it should speak; sentByQt: Qt has sent
// the event already (the observer hears of it all the same).
void announce(QObject* object, QAccessible::Event type, bool sentByQt = false);

// Gives the focus to an answer box whose description tells what to answer
// (the problem), so that a screen reader speaks both, also when the box
// had the focus already.
void focusForAnswer(QWidget* box, const QString& description);

// Hears every announcement (tests); returns the observer it replaces. Qt's
// own event recorder hears nothing when no screen reader is connected.
using AnnouncementObserver = std::function<void(QObject*, QAccessible::Event)>;
AnnouncementObserver setAnnouncementObserver(AnnouncementObserver observer);

// The accessible description of each kind of caption.
inline const QString kindProblem = QStringLiteral("Opgave");
inline const QString kindFeedback = QStringLiteral("Terugmelding");
inline const QString kindPrompt = QStringLiteral("Opdracht");

} // namespace ui
