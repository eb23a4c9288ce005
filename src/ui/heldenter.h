#pragma once
// Keeps a window from acting on an Enter that was already held down when the
// window came up: Enter held through the last answer and the summary box must
// not go on to open a menu entry. Repeats of Enter whose first press went to
// another window are swallowed; a fresh press in this window works as usual,
// and so do its own repeats.

#include <QObject>

class QWidget;

namespace ui {

class HeldEnterGuard : public QObject {
    Q_OBJECT
public:
    // Watches the key presses of every widget in the window.
    explicit HeldEnterGuard(QWidget* window);

    // The window has just become the program's form: nothing pressed here yet.
    void reset() { pressedHere_ = false; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    bool pressedHere_ = false;
};

} // namespace ui
