#pragma once
// The best of three runs of a piece of work, on the clock and in processor
// seconds of all threads together. The machine may be shared: the processor
// time shows the work apart from waiting for a turn on a core.

#include <QElapsedTimer>
#include <algorithm>
#include <ctime>

struct Times {
    double wall = 1e9; // seconds on the clock
    double cpu = 1e9;  // processor seconds
};

template <class F> Times bestOfThree(F f)
{
    Times best;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        const std::clock_t c = std::clock();
        f();
        best.wall = std::min(best.wall, t.nsecsElapsed() / 1e9);
        best.cpu = std::min(best.cpu, double(std::clock() - c) / CLOCKS_PER_SEC);
    }
    return best;
}
