#include "PerformanceTimer.h"

#include "PerformanceCounter.h"

#include <new>

namespace drev {

PerformanceTimer::PerformanceTimer() {
    QueryPerformanceFrequency(&frequency);
    Restart();
}

void PerformanceTimer::Restart() {
    QueryPerformanceCounter(&start);
}

long double PerformanceTimer::Elapsed() {
    int64_t now = start;
    QueryPerformanceCounter(&now);
    return static_cast<long double>(now - start) / static_cast<long double>(frequency);
}

Timer* CreateTimer() {
    return new (std::nothrow) PerformanceTimer();
}

} // namespace drev
