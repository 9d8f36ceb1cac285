#include "BenchSupport.h"

#include "MemoryStream.h"
#include <vanui/uiGLBackend.h>

#include <cstdio>
#include <unistd.h>

bool EnterDataDirectory() {
    if (chdir(DREV_DATA_DIR) != 0) {
        std::fprintf(stderr, "cannot enter the data directory %s\n", DREV_DATA_DIR);
        return false;
    }
    return true;
}

uiTextures& ToolkitTextures() {
    static uiGLTextures textures;
    return textures;
}

const uiMessageSink& Silence() {
    static const uiMessageSink sink = [](const uiMessage&) {};
    return sink;
}

uiContextSettings ToolkitSettings() {
    uiContextSettings settings;
    settings.textures = &ToolkitTextures();
    settings.messages = Silence();
    settings.echoInput = true;
    return settings;
}

std::unique_ptr<uiContext> MakeGeneratedContext(const LargeUiShape& shape, ManualTimer*& timer) {
    auto context = std::make_unique<uiContext>(ToolkitSettings());
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
