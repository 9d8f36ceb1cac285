// Feeds arbitrary bytes to ParseColor as a colour text, and as reals to the colour builders.
#include "ParseChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = CheckParseColor(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "colour parser: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
