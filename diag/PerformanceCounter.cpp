#include "PerformanceCounter.h"

#include <ctime>

namespace drev {

bool QueryPerformanceFrequency(int64_t* ticksPerSecond) {
    *ticksPerSecond = 1000000000;
    return true;
}

bool QueryPerformanceCounter(int64_t* ticks) {
    timespec now{};
    if (clock_gettime(CLOCK_MONOTONIC, &now) != 0) {
        return false;
    }
    *ticks = static_cast<int64_t>(now.tv_sec) * 1000000000 + now.tv_nsec;
    return true;
}

} // namespace drev
