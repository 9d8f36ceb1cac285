// Counts the calls of the global operator new, which the benchmark program replaces, while
// counting is on: how many heap blocks the code between Start and Stop asked for.
#pragma once

#include <cstddef>

namespace AllocationCount {

void Start();
// The number of allocations since Start.
std::size_t Stop();

} // namespace AllocationCount
