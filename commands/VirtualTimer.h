// A clock that reads whatever time it was last given: the off-screen commands run a UI file's
// animations on frames at chosen moments instead of the wall clock.
#pragma once

#include <vanui/uiContext.h>

class VirtualTimer : public uiClock {
public:
    void SetMilliseconds(double milliseconds) { seconds = milliseconds / 1000.0; }
    double Seconds() override { return seconds; }

private:
    double seconds = 0.0;
};
