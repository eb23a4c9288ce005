#pragma once
// A form timer: while enabled it ticks every interval. Tests call fire() to
// deliver a tick at once.

#include <QObject>
#include <QTimer>
#include <functional>

namespace ui {

class Timer : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent, int intervalMs = 1000);
    std::function<void()> onTick;

    void setInterval(int ms);
    int interval() const { return timer_.interval(); }
    // Enabling restarts the interval.
    void setEnabled(bool enabled);
    bool isEnabled() const { return timer_.isActive(); }
    // Delivers one tick now, as if the interval had passed. Returns false (and
    // does nothing) when the timer is disabled.
    bool fire();

private:
    void tick();
    QTimer timer_;
};

} // namespace ui
