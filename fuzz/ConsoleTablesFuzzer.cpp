// Feeds arbitrary bytes to the console shell as the four console table files (see
// ConsoleChecks.h) in a private working directory, and stops at the first property that does
// not hold.
#include "ConsoleChecks.h"
#include "ScratchDirectory.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    EnterScratchDirectory("drev-fuzz-console-tables");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = CheckConsoleTables(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "console-tables: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
