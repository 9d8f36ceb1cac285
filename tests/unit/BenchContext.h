// Contexts as the bench makes them, on the recording GL: fonts get their texture names from it,
// messages are lines of the application log (BenchToolkit.h), value texts echo the input.
#pragma once

#include "BenchToolkit.h"
#include <vanui/uiContext.h>
#include <vanui/uiGLBackend.h>

#include <memory>
#include <string>
#include <vector>

inline uiGLTextures& RecordingTextures() {
    static uiGLTextures textures;
    return textures;
}

// quiet: the tokenizer's lexical messages go nowhere instead of to standard error.
inline uiContextSettings BenchSettings(std::vector<std::string> fontFolders = {}, bool quiet = false) {
    uiContextSettings settings = BenchContextSettings(&RecordingTextures());
    settings.fontFolders = std::move(fontFolders);
    if (quiet) {
        settings.messages = QuietToolkitLog();
    }
    return settings;
}

inline std::unique_ptr<uiContext> BenchContext(std::vector<std::string> fontFolders = {}) {
    return std::make_unique<uiContext>(BenchSettings(std::move(fontFolders)));
}
