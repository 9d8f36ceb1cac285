// Feeds arbitrary bytes to the language server's message reader (EditorChecks.h).
#include "EditorChecks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = CheckLspMessages(data, size);
    if (!problem.empty()) {
        std::fprintf(stderr, "LSP message reader: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
