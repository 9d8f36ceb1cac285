#include "FontTestSupport.h"
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <GL/gl.h>

#include <climits>

namespace {

using RecordingGL::Batch;
using RecordingGL::Vertex;

const uiColor WHITE(1.0f, 1.0f, 1.0f, 1.0f);
const uiColor RED(1.0f, 0.0f, 0.0f, 1.0f);

void ExpectVertex(const Vertex& vertex, float x, float y) {
    EXPECT_FLOAT_EQ(vertex.x, x);
    EXPECT_FLOAT_EQ(vertex.y, y);
}

// A vertex carries each channel in 256 steps.
void ExpectColor(const Vertex& vertex, const uiColor& color) {
    const float channels[4] = {color.r, color.g, color.b, color.a};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(vertex.color[k], uiDrawColor::Step(channels[k]) / 255.0f) << "channel " << k;
    }
}

const char* WriteSampleFont() {
    WriteKrf("f.krf", SampleFont());
    return "f.krf";
}

// The four sides of an outline, as the lines the GL draws.
void ExpectOutline(const std::vector<Batch>& lines, const float (&corners)[4][2]) {
    ASSERT_EQ(lines.size(), 4u);
    for (size_t side = 0; side < 4; ++side) {
        EXPECT_EQ(lines[side].mode, static_cast<GLenum>(GL_LINES));
        EXPECT_EQ(lines[side].texture, 0u);
        ExpectVertex(lines[side].vertices[0], corners[side][0], corners[side][1]);
        ExpectVertex(lines[side].vertices[1], corners[(side + 1) % 4][0], corners[(side + 1) % 4][1]);
    }
}

// The font is loaded in the fixture's directory and bound to the fixture's draw list; Drawn
// submits the list to the recording GL, gives the primitives it drew and starts a new list.
class UiFontDrawTest : public FontTestBase {
protected:
    UiFontDrawTest() { font.Bind(list); }

    const std::vector<Batch>& Drawn() {
        RecordingGL::Reset();
        uiGLBackend::Submit(list);
        list.Clear();
        font.Bind(list);
        return RecordingGL::Batches();
    }

    uiFont font{WriteSampleFont(), &RecordingTextures(), &ToolkitLog()};
    uiDrawList list;
};

// ==== Glyph quads ====

TEST_F(UiFontDrawTest, GlyphQuadWithGradient) {
    font.SetColors(&WHITE, &RED);
    EXPECT_FLOAT_EQ(font.DrawText("A", 100.0f, 50.0f), 10.0f);
    font.Unbind();

    const std::vector<Batch> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 1u);
    const Batch& quad = drawn[0];
    EXPECT_EQ(quad.mode, static_cast<GLenum>(GL_QUADS));
    EXPECT_EQ(quad.texture, static_cast<GLuint>(font.GetTexture()));
    ASSERT_EQ(quad.vertices.size(), 4u);
    const float right = 10.0f / 256.0f;
    const float coords[4][4] = {
        {100, 50, 0, 0}, {110, 50, right, 0}, {110, 66, right, 0.125f}, {100, 66, 0, 0.125f}};
    for (int i = 0; i < 4; ++i) {
        ExpectVertex(quad.vertices[i], coords[i][0], coords[i][1]);
        EXPECT_FLOAT_EQ(quad.vertices[i].s, coords[i][2]);
        EXPECT_FLOAT_EQ(quad.vertices[i].t, coords[i][3]);
        ExpectColor(quad.vertices[i], i < 2 ? WHITE : RED);
    }
    // The backend leaves the GL as it found it.
    EXPECT_FALSE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(RecordingGL::IsClientArrayEnabled(GL_VERTEX_ARRAY));
}

TEST_F(UiFontDrawTest, ItalicShearsTheTopEdge) {
    font.SetItalic(true);
    font.SetColor(&WHITE);
    font.DrawTextStyled("A", 100.0f, 50.0f, 2.0f, nullptr, nullptr);
    const Batch quad = Drawn()[0];
    ExpectVertex(quad.vertices[0], 104.0f, 50.0f);
    ExpectVertex(quad.vertices[1], 124.0f, 50.0f);
    ExpectVertex(quad.vertices[2], 120.0f, 82.0f);
    ExpectVertex(quad.vertices[3], 100.0f, 82.0f);
}

TEST_F(UiFontDrawTest, ColourSettingsAndCallColours) {
    font.SetColor(&RED);
    font.DrawText("AB", 0.0f, 0.0f);
    for (const Batch& quad : Drawn()) {
        for (const Vertex& vertex : quad.vertices) {
            ExpectColor(vertex, RED);
        }
    }

    font.SetColors(nullptr, &WHITE);
    font.DrawText("A", 0.0f, 0.0f);
    for (const Vertex& vertex : Drawn()[0].vertices) {
        ExpectColor(vertex, RED);
    }

    font.DrawTextStyled("A", 0.0f, 0.0f, 1.0f, &WHITE, nullptr);
    const Batch quad = Drawn()[0];
    ExpectColor(quad.vertices[0], WHITE);
    ExpectColor(quad.vertices[3], RED);
}

TEST_F(UiFontDrawTest, AdvanceIncludesSpacing) {
    font.SetColor(&WHITE);
    font.SetSpacing(0.2f);
    EXPECT_FLOAT_EQ(font.DrawText("AB", 100.0f, 50.0f), 26.0f);
    const std::vector<Batch> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 2u);
    ExpectVertex(drawn[0].vertices[3], 100.0f, 66.0f);
    ExpectVertex(drawn[1].vertices[3], 112.0f, 66.0f);
    EXPECT_EQ(font.GetTextWidth("AB"), 22);
}

TEST_F(UiFontDrawTest, UnderlineReachesOverSpacingAndSlant) {
    font.SetColors(&WHITE, &RED);
    font.SetSpacing(0.2f);
    font.SetUnderline(true);
    font.DrawText("A", 100.0f, 50.0f);
    const std::vector<Batch> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 2u);
    const Batch& line = drawn[1];
    EXPECT_EQ(line.mode, static_cast<GLenum>(GL_LINES));
    EXPECT_EQ(line.texture, 0u);
    ExpectVertex(line.vertices[0], 100.0f, 66.0f);
    ExpectVertex(line.vertices[1], 112.0f, 66.0f);
    ExpectColor(line.vertices[0], RED);

    font.SetItalic(true);
    font.DrawText("A", 100.0f, 50.0f);
    font.DrawText("A", 100.0f, 50.0f);
    const std::vector<Batch> twice = Drawn();
    ExpectVertex(twice[1].vertices[1], 116.0f, 66.0f);
    // The glyph after an underline is textured again.
    EXPECT_EQ(twice[2].texture, static_cast<GLuint>(font.GetTexture()));
}

// ==== Codes without glyph and code ranges ====

TEST_F(UiFontDrawTest, MissingGlyphIsAnOutlineBox) {
    font.SetColors(&WHITE, &RED);
    font.SetUnderline(true);
    EXPECT_FLOAT_EQ(font.DrawText("Z", 100.0f, 50.0f), 8.0f);
    const std::vector<Batch> box = Drawn();
    ExpectOutline(box, {{101.0f, 51.0f}, {107.0f, 51.0f}, {107.0f, 65.0f}, {101.0f, 65.0f}});
    ExpectColor(box[0].vertices[1], WHITE);
    ExpectColor(box[1].vertices[1], RED);
    EXPECT_EQ(font.GetTextWidth("AZ"), 10);
    EXPECT_EQ(font.GetGlyphWidth('Z'), 0);
}

// A byte above 0x7F is its own code: 0xE9 finds the 9-pixel glyph, not the one at 0xFFE9.
TEST_F(UiFontDrawTest, Latin1BytesAreCodesUpTo255) {
    font.SetColor(&WHITE);
    EXPECT_FLOAT_EQ(font.DrawText("\xE9", 0.0f, 0.0f), 9.0f);
    EXPECT_EQ(Drawn()[0].mode, static_cast<GLenum>(GL_QUADS));
    EXPECT_EQ(font.GetTextWidth("\xE9\xE9"), 18);
    EXPECT_FLOAT_EQ(font.DrawCharRange(0xE9, 0xE9, 0.0f, 0.0f), 9.0f);
}

// Codes up to 255 and the codes above them are found in different ways; lookups that alternate
// between the two must each find their own glyph, and a code next to a glyph finds none.
TEST_F(UiFontDrawTest, LookupsAboveAndBelow255Alternate) {
    EXPECT_EQ(font.GetGlyphWidth(0xFFE9), 7);
    EXPECT_EQ(font.GetGlyphWidth(0xE9), 9);
    EXPECT_EQ(font.GetGlyphWidth(0xFFE9), 7);
    EXPECT_EQ(font.GetGlyphWidth('B'), 12);
    EXPECT_EQ(font.GetGlyphWidth(0xFFEA), 0);
    EXPECT_EQ(font.GetGlyphWidth(0x100), 0);
    EXPECT_EQ(font.GetGlyphWidth(0xFF), 0);
    EXPECT_EQ(font.GetTextWidth("AB\xE9"), 31);
}

// A UTF-8 text is drawn and measured character by character: é (two bytes) is the 9-pixel
// glyph 0xE9, U+FFE9 (three bytes) the 7-pixel one, and each underline is one glyph's long.
TEST_F(UiFontDrawTest, Utf8TextDrawsOneGlyphPerCharacter) {
    font.SetColor(&WHITE);
    font.SetUnderline(true);
    EXPECT_FLOAT_EQ(font.DrawText("A\xC3\xA9\xEF\xBF\xA9"
                                  "B",
                                  100.0f, 50.0f),
                    38.0f);
    const std::vector<Batch> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 8u);
    const float starts[4] = {100.0f, 110.0f, 119.0f, 126.0f};
    const float widths[4] = {10.0f, 9.0f, 7.0f, 12.0f};
    for (size_t i = 0; i < 4; ++i) {
        const Batch& quad = drawn[2 * i];
        const Batch& underline = drawn[2 * i + 1];
        EXPECT_EQ(quad.mode, static_cast<GLenum>(GL_QUADS));
        ExpectVertex(quad.vertices[3], starts[i], 66.0f);
        ExpectVertex(quad.vertices[2], starts[i] + widths[i], 66.0f);
        EXPECT_EQ(underline.mode, static_cast<GLenum>(GL_LINES));
        ExpectVertex(underline.vertices[1], starts[i] + widths[i], 66.0f);
    }
    EXPECT_EQ(font.GetTextWidth("A\xC3\xA9\xEF\xBF\xA9"
                                "B"),
              38);
}

// A font holds 16-bit codes: U+1FFE9 must not find the glyph of 0xFFE9, its low 16 bits, but
// draw the 8-pixel box that is its advance, and measure 0.
TEST_F(UiFontDrawTest, CodesAboveTheFontsCodesDrawTheMissingGlyphBox) {
    font.SetColor(&WHITE);
    EXPECT_FLOAT_EQ(font.DrawText("A\xF0\x9F\xBF\xA9"
                                  "B",
                                  100.0f, 50.0f),
                    30.0f);
    const std::vector<Batch> drawn = Drawn();
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_EQ(drawn[0].mode, static_cast<GLenum>(GL_QUADS));
    ExpectOutline({drawn.begin() + 1, drawn.begin() + 5},
                  {{111.0f, 51.0f}, {117.0f, 51.0f}, {117.0f, 65.0f}, {111.0f, 65.0f}});
    ExpectVertex(drawn[5].vertices[3], 118.0f, 66.0f);
    EXPECT_EQ(font.GetTextWidth("A\xF0\x9F\xBF\xA9"
                                "B"),
              22);
    EXPECT_EQ(font.GetGlyphWidth(0x1FFE9), 0);
    EXPECT_EQ(font.GetGlyphWidth(0x100E9), 0);
    EXPECT_EQ(font.GetGlyphWidth(0xFFE9), 7);
}

// A sequence cut short makes the whole text Latin-1: the valid é before it is two bytes,
// 0xC3 and 0xA9, which this font has no glyphs for.
TEST_F(UiFontDrawTest, TextThatIsNotUtf8KeepsOneCodePerByte) {
    font.SetColor(&WHITE);
    EXPECT_FLOAT_EQ(font.DrawText("\xC3\xA9"
                                  "A\xE2\x82",
                                  0.0f, 0.0f),
                    4 * 8.0f + 10.0f);
    const std::vector<Batch> drawn = Drawn();
    // Two boxes of four lines, the quad of A, two boxes more.
    ASSERT_EQ(drawn.size(), 17u);
    EXPECT_EQ(drawn[8].mode, static_cast<GLenum>(GL_QUADS));
    EXPECT_EQ(font.GetTextWidth("\xC3\xA9"
                                "A\xE9"),
              19);
}

TEST_F(UiFontDrawTest, CharRanges) {
    font.SetColor(&WHITE);
    EXPECT_EQ(font.DrawCharRange(5, 4, 10.0f, 10.0f), 0.0f);
    EXPECT_TRUE(list.Vertices().empty());

    // Codes 0 to 50 have no glyph: 51 boxes of four lines each.
    font.SetSpacing(0.2f);
    EXPECT_FLOAT_EQ(font.DrawCharRange(0, 50, 10.0f, 10.0f), 51 * 10.0f);
    EXPECT_EQ(Drawn().size(), 51u * 4u);

    EXPECT_FLOAT_EQ(font.DrawCharRange(65, 66, 10.0f, 10.0f), 26.0f);
    EXPECT_EQ(Drawn()[1].vertices[3].x, 22.0f);

    // The range stops after the last 16-bit code, however large last is.
    font.DrawCharRange(65530, UINT_MAX, 0.0f, 0.0f);
    EXPECT_EQ(Drawn().size(), 6u * 4u);
}

// ==== The glyph sheet ====

TEST_F(UiFontDrawTest, SheetAndFrame) {
    // The sheet takes the list's current colour, as it took the GL's.
    list.SetCurrentColor(uiDrawColor{128, 64, 255, 255});
    font.DrawSheet(10.0f, 50.0f, 1.0f, false);
    const std::vector<Batch> plain = Drawn();
    ASSERT_EQ(plain.size(), 1u);
    ExpectColor(plain[0].vertices[2], uiColor(128 / 255.0f, 64 / 255.0f, 1.0f, 1.0f));

    font.DrawSheet(10.0f, 50.0f, 0.5f, true);
    const std::vector<Batch> framed = Drawn();
    ASSERT_EQ(framed.size(), 5u);
    const Batch& sheet = framed[0];
    EXPECT_EQ(sheet.texture, static_cast<GLuint>(font.GetTexture()));
    const float corners[4][4] = {{10, 50, 0, 0}, {138, 50, 1, 0}, {138, 114, 1, 1}, {10, 114, 0, 1}};
    for (int i = 0; i < 4; ++i) {
        ExpectVertex(sheet.vertices[i], corners[i][0], corners[i][1]);
        EXPECT_EQ(sheet.vertices[i].s, corners[i][2]);
        EXPECT_EQ(sheet.vertices[i].t, corners[i][3]);
    }
    ExpectOutline(std::vector<Batch>(framed.begin() + 1, framed.end()),
                  {{9.0f, 49.0f}, {139.0f, 49.0f}, {139.0f, 115.0f}, {9.0f, 115.0f}});
}

// ==== Style state ====

TEST_F(UiFontDrawTest, SlantAndSpacingInWholePixels) {
    font.SetScale(1.25f);
    font.SetItalic(true);
    EXPECT_EQ(font.GetSlant(), 5.0f);
    font.SetSpacing(0.2f);
    EXPECT_EQ(font.GetSpacing(), 2.0f);
    font.SetScale(2.0f);
    EXPECT_EQ(font.GetSlant(), 8.0f);
    EXPECT_EQ(font.GetSpacing(), 2.0f);
    font.SetItalic(false);
    EXPECT_EQ(font.GetSlant(), 0.0f);

    font.SetScale(1.25f);
    float y = 250.0f;
    font.NextLine(y);
    EXPECT_EQ(y, 271.0f);
    EXPECT_TRUE(list.Vertices().empty());
}

// ==== A font that failed to load ====

TEST_F(UiFontDrawTest, UnloadedFontDrawsNothing) {
    uiFont missing("nofile.krf", &RecordingTextures(), &ToolkitLog());
    missing.SetColor(&WHITE);
    missing.SetUnderline(true);
    missing.Bind(list);
    EXPECT_EQ(missing.DrawText("AB", 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(missing.DrawTextStyled("AB", 0.0f, 0.0f, 2.0f, &RED, &RED), 0.0f);
    EXPECT_EQ(missing.DrawCharRange(0, 50, 0.0f, 0.0f), 0.0f);
    missing.DrawSheet(0.0f, 0.0f, 1.0f, true);
    missing.Unbind();
    EXPECT_EQ(missing.GetTextWidth("AB"), 0);
    EXPECT_EQ(missing.GetGlyphWidth('A'), 0);
    EXPECT_EQ(missing.GetHeight(), 0);
    float y = 40.0f;
    missing.NextLine(y);
    EXPECT_EQ(y, 41.0f);

    EXPECT_EQ(font.DrawText("", 0.0f, 0.0f), 0.0f);
    EXPECT_TRUE(list.Vertices().empty());
    EXPECT_TRUE(list.Commands().empty());
}

// Glyphs of one font join one command; a box or an underline between them breaks it, and the
// texture comes back after it.
TEST_F(UiFontDrawTest, GlyphsJoinOneTexturedCommand) {
    font.SetColor(&WHITE);
    font.DrawText("", 0.0f, 0.0f);
    EXPECT_TRUE(list.Commands().empty());
    font.DrawText("ABAB", 0.0f, 0.0f);
    ASSERT_EQ(list.Commands().size(), 1u);
    EXPECT_EQ(list.Commands()[0].indexCount, 24u);
    EXPECT_EQ(list.Commands()[0].state.texture, static_cast<uint32_t>(font.GetTexture()));

    list.Clear();
    font.Bind(list);
    font.DrawText("AZA", 0.0f, 0.0f);
    ASSERT_EQ(list.Commands().size(), 3u);
    EXPECT_EQ(list.Commands()[1].primitive, uiPrimitive::Lines);
    EXPECT_EQ(list.Commands()[1].state.texture, 0u);
    EXPECT_EQ(list.Commands()[2].state.texture, static_cast<uint32_t>(font.GetTexture()));
}

} // namespace
