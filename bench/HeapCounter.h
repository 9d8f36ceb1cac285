// Counts what the program asks of the heap while counting is on: the blocks allocated, the
// bytes in use and their high-water mark. The benchmark executables that use it get this unit's
// replacements of the global allocation operators (every form of new and delete), so every
// allocation of the toolkit and of the standard library's containers passes through them; a
// block's size is its usable size as the allocator reports it. Counting is off until Start, so
// that timed code runs without it; measure only what is allocated after Start (a block from
// before it that is freed while counting would be subtracted from the newer blocks' count).
#pragma once

#include <cstddef>

namespace HeapCounter {

// Starts counting from zero blocks and zero bytes in use; Stop ends it (the counts stay readable).
void Start();
void Stop();
std::size_t Allocations();
std::size_t CurrentBytes();
std::size_t PeakBytes();
// Makes the high-water mark the present use, to measure the peak of what follows.
void ResetPeak();

} // namespace HeapCounter
