// Feeds arbitrary bytes to the texture font as a font file and, when the font loads, draws
// and measures text with it. Checks that a font that failed to load is left empty and does
// nothing. The bytes go to a file in a private temporary directory (the font reads files by
// name); the recording GL runs in its discard mode and nothing is logged.
#include "RecordingGL.h"
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::string directory;

void RemoveDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(directory, ignored);
}

const std::string& FontPath() {
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "drev-fuzz-font-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        directory = pattern;
        std::atexit(RemoveDirectory);
        RecordingGL::SetDiscard(true);
        return pattern + "/font.krf";
    }();
    return path;
}

void Fail(const char* problem) {
    std::fprintf(stderr, "font file: %s\n", problem);
    std::abort();
}

void Exercise(uiFont& font) {
    const uiColor white(1.0f, 1.0f, 1.0f, 1.0f);
    const uiColor red(1.0f, 0.3f, 0.3f, 1.0f);
    const std::string text = "Sample \xE9\xFF\x01\n";
    uiDrawList list;
    font.SetColors(&white, &red);
    font.Bind(list);
    font.DrawText(text, 10.0f, 10.0f);
    font.SetItalic(true);
    font.SetUnderline(true);
    font.SetScale(1.5f);
    font.SetSpacing(0.2f);
    font.DrawTextStyled(text, 10.0f, 40.0f, 0.75f, &red, nullptr);
    font.DrawCharRange(0, 300, 10.0f, 80.0f);
    font.DrawSheet(10.0f, 120.0f, 0.5f, true);
    font.Unbind();
    uiGLBackend::Submit(list);
    font.GetTextWidth(text);
}

uiGLTextures textures;
const uiMessageSink silence = [](const uiMessage&) {};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& path = FontPath();
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    uiFont font(path, &textures, &silence);
    if (font.IsLoaded()) {
        Exercise(font);
        return 0;
    }
    if (font.GetGlyphCount() != 0 || font.GetHeight() != 0 || font.DrawText("AB", 0.0f, 0.0f) != 0.0f) {
        Fail("a font that failed to load is not empty");
    }
    return 0;
}
