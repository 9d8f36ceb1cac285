#include "TrackedAllocation.h"

#include "Log.h"

#include <cstdlib>
#include <new>

namespace drev {
namespace {

bool traceOn = false;
int liveBlocks = 0;
bool allocationGuard = false;
bool releaseGuard = false;
int nothrowGrantsBeforeFailure = -1;

// The count is taken before the heap is asked, so a failed request counts too. The guard keeps
// allocations made by the logging itself from being traced.
void TraceAllocation(std::size_t size) {
    if (!traceOn || allocationGuard) {
        return;
    }
    allocationGuard = true;
    ++liveBlocks;
    Log(LOG_TYPE_RECORD, "Memory block %d allocated for %d bytes\n", liveBlocks, static_cast<int>(size));
    allocationGuard = false;
}

void TraceRelease() {
    if (!traceOn || releaseGuard) {
        return;
    }
    releaseGuard = true;
    --liveBlocks;
    Log(LOG_TYPE_RECORD, "Memory block %d deallocated\n", liveBlocks);
    releaseGuard = false;
}

void* AllocateOrNull(std::size_t size) noexcept {
    TraceAllocation(size);
    return std::malloc(size == 0 ? 1 : size);
}

// A request chosen to fail is traced like any other request before it is refused.
void* AllocateNothrow(std::size_t size) noexcept {
    if (nothrowGrantsBeforeFailure >= 0 && nothrowGrantsBeforeFailure-- == 0) {
        TraceAllocation(size);
        return nullptr;
    }
    return AllocateOrNull(size);
}

void* AllocateOrThrow(std::size_t size) {
    for (;;) {
        void* block = AllocateOrNull(size);
        if (block != nullptr) {
            return block;
        }
        std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

void Release(void* block) noexcept {
    TraceRelease();
    std::free(block);
}

} // namespace

void SetAllocationTrace(bool on) {
    traceOn = on;
}

int LiveBlockCount() {
    return liveBlocks;
}

void FailNothrowAllocationAfter(int granted) {
    nothrowGrantsBeforeFailure = granted;
}

} // namespace drev

// The global operators, outside the program's namespace as the language requires.
void* operator new(std::size_t size) {
    return drev::AllocateOrThrow(size);
}
void* operator new[](std::size_t size) {
    return drev::AllocateOrThrow(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return drev::AllocateNothrow(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return drev::AllocateNothrow(size);
}
void operator delete(void* block) noexcept {
    drev::Release(block);
}
void operator delete[](void* block) noexcept {
    drev::Release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    drev::Release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    drev::Release(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    drev::Release(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    drev::Release(block);
}
