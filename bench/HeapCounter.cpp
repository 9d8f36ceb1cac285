#include "HeapCounter.h"

#include <malloc.h>

extern "C" {
void* __real_malloc(size_t size);
void* __real_calloc(size_t count, size_t size);
void* __real_realloc(void* block, size_t size);
void __real_free(void* block);
}

namespace {

bool counting = false;
std::size_t currentBytes = 0;
std::size_t peakBytes = 0;

void Count(void* block) {
    if (!counting || block == nullptr) {
        return;
    }
    currentBytes += malloc_usable_size(block);
    if (currentBytes > peakBytes) {
        peakBytes = currentBytes;
    }
}

// A block allocated before the counting began (or by code that is not wrapped) may be freed
// here; the count never goes below zero.
void Uncount(void* block) {
    if (!counting || block == nullptr) {
        return;
    }
    const std::size_t size = malloc_usable_size(block);
    currentBytes = size > currentBytes ? 0 : currentBytes - size;
}

} // namespace

extern "C" {

void* __wrap_malloc(size_t size) {
    void* block = __real_malloc(size);
    Count(block);
    return block;
}

void* __wrap_calloc(size_t count, size_t size) {
    void* block = __real_calloc(count, size);
    Count(block);
    return block;
}

void* __wrap_realloc(void* block, size_t size) {
    Uncount(block);
    void* moved = __real_realloc(block, size);
    Count(moved != nullptr ? moved : (size == 0 ? nullptr : block));
    return moved;
}

void __wrap_free(void* block) {
    Uncount(block);
    __real_free(block);
}

} // extern "C"

namespace HeapCounter {

void Start() {
    currentBytes = 0;
    peakBytes = 0;
    counting = true;
}

void Stop() {
    counting = false;
}

std::size_t CurrentBytes() {
    return currentBytes;
}

std::size_t PeakBytes() {
    return peakBytes;
}

void ResetPeak() {
    peakBytes = currentBytes;
}

} // namespace HeapCounter
