// A clock a test sets by hand: it reads the seconds the test keeps, which must outlive it.
#pragma once

#include <vanui/uiContext.h>

class HandClock : public uiClock {
public:
    explicit HandClock(const double& seconds) : seconds(seconds) {}
    double Seconds() override { return seconds; }

private:
    const double& seconds;
};
