// Counts the bytes of heap in use and their high-water mark. The benchmark executables that
// use it are linked with --wrap for malloc, calloc, realloc and free, so every allocation made
// by the program's code (the global allocation operators included, and through them every
// container of the standard library) passes through the counting wrappers. A block's size is
// its usable size as the allocator reports it. Counting is off until Start, so that timed code
// runs without it; measure only what is allocated after Start (a block from before it that is
// freed while counting would be subtracted from the newer blocks' count).
#pragma once

#include <cstddef>

namespace HeapCounter {

// Starts counting from zero bytes in use; Stop ends it (the counts stay readable).
void Start();
void Stop();
std::size_t CurrentBytes();
std::size_t PeakBytes();
// Makes the high-water mark the present use, to measure the peak of what follows.
void ResetPeak();

} // namespace HeapCounter
