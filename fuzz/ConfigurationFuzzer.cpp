// Feeds arbitrary bytes to the console shell as the settings file (see ConsoleChecks.h) in a
// private working directory, and stops at the first property that does not hold.
#include "ConsoleChecks.h"
#include "ScratchDirectory.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    EnterScratchDirectory("drev-fuzz-configuration");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = CheckConfiguration(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "configuration: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
