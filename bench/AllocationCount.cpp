#include "AllocationCount.h"

#include <cstdlib>
#include <new>

namespace {

bool counting = false;
std::size_t allocations = 0;

void* Allocate(std::size_t size) {
    if (counting) {
        ++allocations;
    }
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

namespace AllocationCount {

void Start() {
    allocations = 0;
    counting = true;
}

std::size_t Stop() {
    counting = false;
    return allocations;
}

} // namespace AllocationCount

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
