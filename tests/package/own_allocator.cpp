// A program that links vanui and replaces the global allocation operators, as an embedding
// program may: every allocation the toolkit's code makes must reach this program's operators,
// not ones that the toolkit's libraries bring along. Exit status 0 when they did.
#include <vanui/uiValueText.h>

#include <cstdio>
#include <cstdlib>
#include <new>

namespace {
int allocations = 0;
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

int main() {
    uiValueText text;
    const int before = allocations;
    // SetFormat and Refresh are compiled into the library; the format is too long to fit in a
    // string without a block of its own.
    text.SetFormat("a format far too long for the short string buffer: %d");
    int32_t value = 42;
    text.BindInt(&value);
    text.Refresh();
    const int made = allocations - before;
    std::printf("%d allocations of the toolkit reached the program's operator new\n", made);
    return made > 0 ? 0 : 1;
}
