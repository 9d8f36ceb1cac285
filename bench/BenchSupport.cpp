#include "BenchSupport.h"

#include "MemoryStream.h"

#include <cstdio>
#include <unistd.h>

bool EnterDataDirectory() {
    if (chdir(DREV_DATA_DIR) != 0) {
        std::fprintf(stderr, "cannot enter the data directory %s\n", DREV_DATA_DIR);
        return false;
    }
    return true;
}

std::unique_ptr<uiContext> MakeGeneratedContext(const LargeUiShape& shape, ManualTimer*& timer) {
    auto context = std::make_unique<uiContext>();
    context->SetDrawingArea(800, 600);
    auto manual = std::make_unique<ManualTimer>();
    timer = manual.get();
    context->SetClock(std::move(manual));
    const std::string text = MakeLargeUiText(shape);
    MemoryStream input(text);
    if (!context->Parse(input, "generated.ui")) {
        return nullptr;
    }
    return context;
}
