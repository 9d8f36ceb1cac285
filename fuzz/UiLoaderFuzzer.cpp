// Feeds arbitrary bytes to the UI file loader as a UI file, in a fresh context each time, and
// checks that the load ends and leaves a sound two-level tree: windows without parents, every
// child linked to its window and every widget to the context. The recording GL runs in its
// discard mode; the fonts come from "default.krf" in the working directory, which the target
// writes when it is missing and then removes at exit. Messages go nowhere. The fonts a command
// learns the file names, before it loads it, must hold every font the load tried: a command keeps
// its outputs off them.
#include "InputFiles.h"
#include "KrfWriter.h"
#include "RecordingGL.h"
#include "uiInternal.h"
#include <vanui/uiGLBackend.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

namespace {

void Fail(const char* problem) {
    std::fprintf(stderr, "UI loader: %s\n", problem);
    std::abort();
}

const char* const FONT_FILE = "default.krf";

void RemoveDefaultFont() {
    std::remove(FONT_FILE);
}

void WriteDefaultFont() {
    if (std::filesystem::exists(FONT_FILE)) {
        return;
    }
    KrfFont font;
    font.width = 8;
    font.height = 8;
    font.entries = {{'A', 0, 0, 4}};
    font.image = KrfPattern(64);
    WriteKrf(FONT_FILE, font);
    std::atexit(RemoveDefaultFont);
}

void CheckTree(const uiContext& context) {
    const uiContextState& state = StateOf(context);
    for (const std::unique_ptr<uiWidgetNode>& window : state.windows) {
        if (window->Parent() != nullptr || window->context != &state) {
            Fail("window wrongly linked");
        }
        for (const std::unique_ptr<uiWidgetNode>& child : window->children) {
            if (child->Parent() != window.get() || child->context != &state) {
                Fail("child wrongly linked");
            }
        }
    }
}

void CheckFontNames(uiContext& context, const std::string& text) {
    std::istringstream input(text);
    const std::vector<std::string> names = FontTableNames(input);
    for (const std::string& tried : context.Fonts().TriedPaths()) {
        if (tried != FONT_FILE && std::find(names.begin(), names.end(), tried) == names.end()) {
            Fail("a font the load tried is missing from the names found before it");
        }
    }
}

uiGLTextures textures;
const uiMessageSink silence = [](const uiMessage&) {};

} // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
    RecordingGL::SetDiscard(true);
    WriteDefaultFont();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    uiContextSettings settings;
    settings.textures = &textures;
    settings.messages = silence;
    uiContext context(settings);
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream input(text);
    context.Parse(input, "fuzz.ui");
    CheckTree(context);
    CheckFontNames(context, text);
    return 0;
}
