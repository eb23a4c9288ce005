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

// A clock that tests move by hand.
class FixedClock : public Clock {
public:
    double now = 0;
    QString date = QStringLiteral("6-12-2026");
    QString time = QStringLiteral("10:15");
    double seconds() override { return now; }
    QString dateText() override { return date; }
    QString timeText() override { return time; }
    void advance(double s) { now += s; }
};

Clock& clock();
std::unique_ptr<Clock> setClock(std::unique_ptr<Clock> c);

} // namespace common
