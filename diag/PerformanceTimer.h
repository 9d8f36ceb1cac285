// The timer on the high-resolution performance counter. It starts when it is constructed.
#pragma once

#include "Timer.h"

#include <cstdint>

namespace drev {

class PerformanceTimer : public Timer {
public:
    PerformanceTimer();
    long double Elapsed() override;
    void Restart() override;

private:
    int64_t frequency = 1;
    int64_t start = 0;
};

// A new performance timer owned by the caller, or null when it can't be allocated.
Timer* CreateTimer();

} // namespace drev
