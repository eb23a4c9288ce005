#pragma once
// A clock that tests move by hand.

#include "common/clock.h"

namespace tktest {

class FixedClock : public common::Clock {
public:
    double now = 0;
    QString date = QStringLiteral("6-12-2026");
    QString time = QStringLiteral("10:15");
    double seconds() override { return now; }
    QString dateText() override { return date; }
    QString timeText() override { return time; }
    void advance(double s) { now += s; }
};

} // namespace tktest
