// The high-resolution performance counter that the timer reads: a tick frequency and a
// monotonic tick count, in the form the timer expects. On POSIX both come from CLOCK_MONOTONIC
// in nanoseconds.
#pragma once

#include <cstdint>

namespace drev {

bool QueryPerformanceFrequency(int64_t* ticksPerSecond);
bool QueryPerformanceCounter(int64_t* ticks);

} // namespace drev
