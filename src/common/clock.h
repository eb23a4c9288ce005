#pragma once
// Time of the program. Answer times are differences of seconds() readings on
// a monotonic clock, so a run across midnight still counts positive times.
// The results header shows the short date and time of the program's locale.

#include <QElapsedTimer>
#include <QString>
#include <memory>

namespace common {

class Clock {
public:
    virtual ~Clock() = default;
    virtual double seconds() = 0; // monotonic, with fractions
    virtual QString dateText() = 0;
    virtual QString timeText() = 0;
};

class SystemClock : public Clock {
public:
    SystemClock() { timer_.start(); }
    double seconds() override { return timer_.nsecsElapsed() / 1e9; }
    QString dateText() override;
    QString timeText() override;

private:
    QElapsedTimer timer_;
};

Clock& clock();
std::unique_ptr<Clock> setClock(std::unique_ptr<Clock> c);

} // namespace common
