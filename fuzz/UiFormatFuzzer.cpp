// Feeds arbitrary bytes to the syntax tree, places, positions and formatter of UI files
// (EditorChecks.h).
#include "EditorChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = CheckUiFormat(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "UI format: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
