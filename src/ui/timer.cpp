#include "timer.h"

#include "messagebox.h"

namespace ui {

Timer::Timer(QObject* parent, int intervalMs) : QObject(parent)
{
    timer_.setInterval(intervalMs);
    connect(&timer_, &QTimer::timeout, this, &Timer::tick);
}

void Timer::setInterval(int ms)
{
    timer_.setInterval(ms);
}

void Timer::setEnabled(bool enabled)
{
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

bool Timer::fire()
{
    if (!timer_.isActive())
        return false;
    timer_.start(); // the next tick comes a whole interval later
    tick();
    return true;
}

void Timer::tick()
{
    if (onTick && !messageBoxOpen()) // a tick under an open box is left out
        onTick();
}

} // namespace ui
