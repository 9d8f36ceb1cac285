// Feeds arbitrary bytes to the tokenizer and the value reader as a UI file.
#include "ParseChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = CheckValueReader(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "value reader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
