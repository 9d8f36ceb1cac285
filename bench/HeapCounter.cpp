#include "HeapCounter.h"

#include <cstdlib>
#include <malloc.h>
#include <new>

namespace {

bool counting = false;
std::size_t allocations = 0;
std::size_t currentBytes = 0;
std::size_t peakBytes = 0;

void* Allocate(std::size_t size, bool mayThrow) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        if (mayThrow) {
            throw std::bad_alloc();
        }
        return nullptr;
    }
    if (counting) {
        ++allocations;
        currentBytes += malloc_usable_size(block);
        if (currentBytes > peakBytes) {
            peakBytes = currentBytes;
        }
    }
    return block;
}

// A block allocated before the counting began may be freed here; the count never goes below zero.
void Release(void* block) {
    if (counting && block != nullptr) {
        const std::size_t size = malloc_usable_size(block);
        currentBytes = size > currentBytes ? 0 : currentBytes - size;
    }
    std::free(block);
}

} // namespace

namespace HeapCounter {

void Start() {
    allocations = 0;
    currentBytes = 0;
    peakBytes = 0;
    counting = true;
}

void Stop() {
    counting = false;
}

std::size_t Allocations() {
    return allocations;
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

void* operator new(std::size_t size) {
    return Allocate(size, true);
}
void* operator new[](std::size_t size) {
    return Allocate(size, true);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size, false);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size, false);
}
void operator delete(void* block) noexcept {
    Release(block);
}
void operator delete[](void* block) noexcept {
    Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    Release(block);
}
