#pragma once
// The signals with which the system asks the program to stop (SIGTERM when
// the computer shuts down, SIGHUP when the terminal or session goes away,
// SIGINT for Ctrl+C) turned into a call on the event loop: the handler only
// writes a byte to a pipe, and the pipe's notifier calls onStop, where any
// Qt code may run.

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace ui {

class StopSignals : public QObject {
    Q_OBJECT
public:
    // Catches the signals from now on; one instance at a time.
    explicit StopSignals(std::function<void()> onStop, QObject* parent = nullptr);
    ~StopSignals() override;

private:
    void received();

    std::function<void()> onStop_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ui
