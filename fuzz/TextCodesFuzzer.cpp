// Feeds arbitrary bytes to the toolkit's reading of text as UTF-8 or Latin-1, and to typing.
#include "TextCodesChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = CheckTextCodes(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "text codes: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
