// A timer that reads whatever time it was last given: the off-screen commands run a UI file's
// animations on frames at chosen moments instead of the wall clock.
#pragma once

#include "Timer.h"

class VirtualTimer : public drev::Timer {
public:
    void SetMilliseconds(double milliseconds) { seconds = static_cast<long double>(milliseconds) / 1000.0L; }
    long double Elapsed() override { return seconds; }
    void Restart() override { seconds = 0.0L; }

private:
    long double seconds = 0.0L;
};
