#include "FontTestSupport.h"
#include <vanui/uiFont.h>

#include <GL/gl.h>

#include <climits>

namespace {

using Lines = std::vector<std::string>;
using RecordingGL::Batch;
using RecordingGL::Vertex;

const uiColor WHITE(1.0f, 1.0f, 1.0f, 1.0f);
const uiColor RED(1.0f, 0.0f, 0.0f, 1.0f);

void ExpectVertex(const Vertex& vertex, float x, float y) {
    EXPECT_FLOAT_EQ(vertex.x, x);
    EXPECT_FLOAT_EQ(vertex.y, y);
}

void ExpectColor(const Vertex& vertex, const uiColor& color) {
    EXPECT_EQ(vertex.color[0], color.r);
    EXPECT_EQ(vertex.color[1], color.g);
    EXPECT_EQ(vertex.color[2], color.b);
    EXPECT_EQ(vertex.color[3], color.a);
}

const char* WriteSampleFont() {
    WriteKrf("f.krf", SampleFont());
    return "f.krf";
}

// The font is loaded in the fixture's directory; the recording starts after its texture.
class UiFontDrawTest : public FontTestBase {
protected:
    UiFontDrawTest() { RecordingGL::Reset(); }

    uiFont font{WriteSampleFont()};
};

// ==== Glyph quads ====

TEST_F(UiFontDrawTest, GlyphQuadWithGradient) {
    font.SetColors(&WHITE, &RED);
    font.Bind();
    EXPECT_FLOAT_EQ(font.DrawText("A", 100.0f, 50.0f), 10.0f);
    font.Unbind();

    EXPECT_EQ(RecordingGL::CallNames(),
              (Lines{"glEnable", "glBindTexture", "glBegin", "glColor4fv", "glTexCoord2f", "glVertex2f",
                     "glTexCoord2f", "glVertex2f", "glColor4fv", "glTexCoord2f", "glVertex2f", "glTexCoord2f",
                     "glVertex2f", "glEnd", "glDisable"}));
    EXPECT_EQ(RecordingGL::Calls()[1].args, (std::vector<double>{GL_TEXTURE_2D, 1}));
    ASSERT_EQ(RecordingGL::Batches().size(), 1u);
    const Batch& quad = RecordingGL::Batches()[0];
    EXPECT_EQ(quad.mode, static_cast<GLenum>(GL_QUADS));
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
    EXPECT_FALSE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
}

TEST_F(UiFontDrawTest, ItalicShearsTheTopEdge) {
    font.SetItalic(true);
    font.SetColor(&WHITE);
    font.DrawTextStyled("A", 100.0f, 50.0f, 2.0f, nullptr, nullptr);
    const Batch& quad = RecordingGL::Batches()[0];
    ExpectVertex(quad.vertices[0], 104.0f, 50.0f);
    ExpectVertex(quad.vertices[1], 124.0f, 50.0f);
    ExpectVertex(quad.vertices[2], 120.0f, 82.0f);
    ExpectVertex(quad.vertices[3], 100.0f, 82.0f);
}

TEST_F(UiFontDrawTest, ColourSettingsAndCallColours) {
    font.SetColor(&RED);
    font.DrawText("AB", 0.0f, 0.0f);
    EXPECT_EQ(RecordingGL::CallsNamed("glColor4fv").size(), 2u);

    font.SetColors(nullptr, &WHITE);
    RecordingGL::Reset();
    font.DrawText("A", 0.0f, 0.0f);
    for (const Vertex& vertex : RecordingGL::Batches()[0].vertices) {
        ExpectColor(vertex, RED);
    }

    RecordingGL::Reset();
    font.DrawTextStyled("A", 0.0f, 0.0f, 1.0f, &WHITE, nullptr);
    const Batch& quad = RecordingGL::Batches()[0];
    ExpectColor(quad.vertices[0], WHITE);
    ExpectColor(quad.vertices[3], RED);
}

TEST_F(UiFontDrawTest, AdvanceIncludesSpacing) {
    font.SetColor(&WHITE);
    font.SetSpacing(0.2f);
    EXPECT_FLOAT_EQ(font.DrawText("AB", 100.0f, 50.0f), 26.0f);
    ASSERT_EQ(RecordingGL::Batches().size(), 2u);
    ExpectVertex(RecordingGL::Batches()[0].vertices[3], 100.0f, 66.0f);
    ExpectVertex(RecordingGL::Batches()[1].vertices[3], 112.0f, 66.0f);
    EXPECT_EQ(font.GetTextWidth("AB"), 22);
}

TEST_F(UiFontDrawTest, UnderlineReachesOverSpacingAndSlant) {
    font.SetColors(&WHITE, &RED);
    font.SetSpacing(0.2f);
    font.SetUnderline(true);
    font.DrawText("A", 100.0f, 50.0f);
    ASSERT_EQ(RecordingGL::Batches().size(), 2u);
    const Batch& line = RecordingGL::Batches()[1];
    EXPECT_EQ(line.mode, static_cast<GLenum>(GL_LINES));
    ExpectVertex(line.vertices[0], 100.0f, 66.0f);
    ExpectVertex(line.vertices[1], 112.0f, 66.0f);
    ExpectColor(line.vertices[0], RED);

    RecordingGL::Reset();
    font.SetItalic(true);
    font.DrawText("A", 100.0f, 50.0f);
    ExpectVertex(RecordingGL::Batches()[1].vertices[1], 116.0f, 66.0f);
    EXPECT_TRUE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
}

// ==== Codes without glyph and code ranges ====

TEST_F(UiFontDrawTest, MissingGlyphIsAnOutlineBox) {
    font.SetColors(&WHITE, &RED);
    font.SetUnderline(true);
    EXPECT_FLOAT_EQ(font.DrawText("Z", 100.0f, 50.0f), 8.0f);
    EXPECT_EQ(RecordingGL::CallNames().front(), "glDisable");
    EXPECT_EQ(RecordingGL::CallNames().back(), "glEnable");
    ASSERT_EQ(RecordingGL::Batches().size(), 1u);
    const Batch& box = RecordingGL::Batches()[0];
    EXPECT_EQ(box.mode, static_cast<GLenum>(GL_LINE_LOOP));
    ExpectVertex(box.vertices[0], 101.0f, 51.0f);
    ExpectVertex(box.vertices[1], 107.0f, 51.0f);
    ExpectVertex(box.vertices[2], 107.0f, 65.0f);
    ExpectVertex(box.vertices[3], 101.0f, 65.0f);
    ExpectColor(box.vertices[1], WHITE);
    ExpectColor(box.vertices[2], RED);
    EXPECT_EQ(font.GetTextWidth("AZ"), 10);
    EXPECT_EQ(font.GetGlyphWidth('Z'), 0);
}

// A byte above 0x7F is its own code: 0xE9 finds the 9-pixel glyph, not the one at 0xFFE9.
TEST_F(UiFontDrawTest, Latin1BytesAreCodesUpTo255) {
    font.SetColor(&WHITE);
    EXPECT_FLOAT_EQ(font.DrawText("\xE9", 0.0f, 0.0f), 9.0f);
    EXPECT_EQ(RecordingGL::Batches()[0].mode, static_cast<GLenum>(GL_QUADS));
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

TEST_F(UiFontDrawTest, CharRanges) {
    font.SetColor(&WHITE);
    EXPECT_EQ(font.DrawCharRange(5, 4, 10.0f, 10.0f), 0.0f);
    EXPECT_TRUE(RecordingGL::Calls().empty());

    font.SetSpacing(0.2f);
    EXPECT_FLOAT_EQ(font.DrawCharRange(0, 50, 10.0f, 10.0f), 51 * 10.0f);
    EXPECT_EQ(RecordingGL::Batches().size(), 51u);

    RecordingGL::Reset();
    EXPECT_FLOAT_EQ(font.DrawCharRange(65, 66, 10.0f, 10.0f), 26.0f);
    EXPECT_EQ(RecordingGL::Batches()[1].vertices[3].x, 22.0f);

    // The range stops after the last 16-bit code, however large last is.
    RecordingGL::Reset();
    font.DrawCharRange(65530, UINT_MAX, 0.0f, 0.0f);
    EXPECT_EQ(RecordingGL::Batches().size(), 6u);
}

// ==== The glyph sheet ====

TEST_F(UiFontDrawTest, SheetAndFrame) {
    font.DrawSheet(10.0f, 50.0f, 1.0f, false);
    EXPECT_EQ(RecordingGL::Batches().size(), 1u);
    EXPECT_TRUE(RecordingGL::CallsNamed("glColor4fv").empty());

    RecordingGL::Reset();
    font.DrawSheet(10.0f, 50.0f, 0.5f, true);
    ASSERT_EQ(RecordingGL::Batches().size(), 2u);
    const Batch& sheet = RecordingGL::Batches()[0];
    const float corners[4][4] = {{10, 50, 0, 0}, {138, 50, 1, 0}, {138, 114, 1, 1}, {10, 114, 0, 1}};
    for (int i = 0; i < 4; ++i) {
        ExpectVertex(sheet.vertices[i], corners[i][0], corners[i][1]);
        EXPECT_EQ(sheet.vertices[i].s, corners[i][2]);
        EXPECT_EQ(sheet.vertices[i].t, corners[i][3]);
    }
    const Batch& frame = RecordingGL::Batches()[1];
    EXPECT_EQ(frame.mode, static_cast<GLenum>(GL_LINE_LOOP));
    ExpectVertex(frame.vertices[0], 9.0f, 49.0f);
    ExpectVertex(frame.vertices[1], 139.0f, 49.0f);
    ExpectVertex(frame.vertices[2], 139.0f, 115.0f);
    ExpectVertex(frame.vertices[3], 9.0f, 115.0f);
    EXPECT_TRUE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
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
    EXPECT_TRUE(RecordingGL::Calls().empty());
}

// ==== A font that failed to load ====

TEST_F(UiFontDrawTest, UnloadedFontIssuesNoGlCall) {
    uiFont missing("nofile.krf");
    missing.SetColor(&WHITE);
    missing.SetUnderline(true);
    missing.Bind();
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
    EXPECT_TRUE(RecordingGL::Calls().empty());
}

} // namespace
