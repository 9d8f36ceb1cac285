// Feeds arbitrary bytes to krfmake's characters-file reader.
#include "CharsFileChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = CheckCharsText(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "characters file: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
