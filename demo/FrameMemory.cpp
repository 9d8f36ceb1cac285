#include "FrameMemory.h"

#include <malloc.h>

namespace {

// Mesa's software renderer allocates and frees large blocks of scene and tile memory every
// frame. With glibc's defaults a block that large is mapped and unmapped each time, and a heap
// top that large is trimmed and grown again, so the frame faults the same pages in anew; on
// machines where page faults are dear that costs milliseconds a frame. Below these thresholds
// the blocks stay in the heap and are reused (docs/benchmarks.md has the fault counts). 32 MB
// is the largest mmap threshold glibc takes on a 64-bit system.
const int MMAP_THRESHOLD_BYTES = 32 * 1024 * 1024;
const int TRIM_THRESHOLD_BYTES = 256 * 1024 * 1024;

} // namespace

bool KeepFrameMemory() {
    const bool mapped = mallopt(M_MMAP_THRESHOLD, MMAP_THRESHOLD_BYTES) == 1;
    const bool trimmed = mallopt(M_TRIM_THRESHOLD, TRIM_THRESHOLD_BYTES) == 1;
    return mapped && trimmed;
}
