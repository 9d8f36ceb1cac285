// Damaged and unusual font files a user might hand over (tests/data/bad-inputs/font/): each one
// loads or is refused as its sidecar says, with exactly the log lines it lists, and a font that
// loads draws every glyph, its sheet and a line of text without reading outside its buffers.
#include <vanui/uiGLBackend.h>
#include "BadInputCases.h"
#include "FontTestSupport.h"
#include <vanui/uiFont.h>

#include <cstdint>

using namespace drev;

namespace {

class BadFontFilesTest : public FontTestBase {};

// Draws every kind of thing a font draws and submits it.
void DrawEverything(uiFont& font) {
    const uiColor white(1.0f, 1.0f, 1.0f, 1.0f);
    uiDrawList list;
    font.SetColors(&white, &white);
    font.SetItalic(true);
    font.SetUnderline(true);
    font.Bind(list);
    font.DrawText("AB\xE9 missing \x01\xFF", 0.0f, 0.0f);
    font.DrawCharRange(0, 300, 0.0f, 0.0f);
    font.DrawCharRange(0xFF00, 0xFFFF, 0.0f, 0.0f);
    font.DrawSheet(0.0f, 0.0f, 1.0f, true);
    font.Unbind();
    uiGLBackend::Submit(list);
}

TEST_F(BadFontFilesTest, EachFileGivesItsOutcome) {
    RecordingGL::SetDiscard(true);
    for (const BadInputCase& input : BadInputCases("font")) {
        SCOPED_TRACE(input.file.filename().string());
        const std::string fileName = input.file.filename().string();
        std::filesystem::copy_file(input.file, fileName, std::filesystem::copy_options::overwrite_existing);
        logStart = ReadFileLines("app.log").size();

        uiFont font(fileName, &RecordingTextures(), &ToolkitLog());
        EXPECT_EQ(font.IsLoaded() ? "loaded" : "refused", input.Value("result"));
        EXPECT_EQ(NewLogLines(), input.Values("log", fileName));
        if (!input.Value("glyphs").empty()) {
            EXPECT_EQ(font.GetGlyphCount(), std::stoul(input.Value("glyphs")));
        }
        if (!input.Value("name").empty()) {
            EXPECT_EQ(font.Name(), input.Value("name"));
        }
        if (!input.Value("height").empty()) {
            EXPECT_EQ(font.GetHeight(), std::stoi(input.Value("height")));
        }
        for (const std::string& width : input.Values("width")) {
            const size_t blank = width.find(' ');
            EXPECT_EQ(font.GetGlyphWidth(static_cast<uint16_t>(std::stoi(width.substr(0, blank)))),
                      std::stoi(width.substr(blank + 1)))
                << width;
        }
        if (font.IsLoaded()) {
            DrawEverything(font);
        } else {
            EXPECT_EQ(font.GetGlyphCount(), 0u);
        }
    }
}

} // namespace
