// Drawing text on the CPU from a font file's sheet and cells, as the preview does: at scale 1
// a glyph is its cell's pixels, at scale 2 it is filtered like GL's linear filter (and so takes
// in the pixels beside its cell), a code without glyph is the toolkit's missing-glyph box.
#include "SheetFont.h"
#include "Canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr Rgb WHITE = {255, 255, 255};
constexpr Rgb BLACK = {0, 0, 0};

// A 4 x 2 sheet: 'A' is the left 2 x 2 cell, 'B' the right one; line height 2.
struct TinyFont {
    uiFontFileHeader header;
    std::vector<uiFontFileEntry> entries = {{'A', 1, 1, 2}, {'B', 3, 1, 2}, {'A', 3, 1, 1}};
    std::vector<unsigned char> sheet;
    explicit TinyFont(std::vector<unsigned char> pixels = {255, 0, 0, 128, 0, 255, 255, 0}) : sheet(pixels) {
        header.sheetWidth = 4;
        header.sheetHeight = 2;
        header.lineHeight = 2;
        header.nominalWidth = 10;
    }
};

int Grey(const Canvas& canvas, int x, int y) {
    return canvas.At(x, y).r;
}

TEST(SheetFontTest, ScaleOneCopiesTheCellOfTheFirstEntry) {
    TinyFont tiny;
    const SheetFont font(tiny.header, tiny.entries, tiny.sheet.data());
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(8, 3, WHITE));
    EXPECT_EQ(font.DrawText(canvas, "AB", 1, 1, BLACK), 4);
    EXPECT_EQ(Grey(canvas, 1, 1), 0);
    EXPECT_EQ(Grey(canvas, 2, 1), 255);
    EXPECT_EQ(Grey(canvas, 1, 2), 255);
    EXPECT_EQ(Grey(canvas, 2, 2), 0);
    EXPECT_EQ(Grey(canvas, 3, 1), 255);
    EXPECT_EQ(Grey(canvas, 4, 1), 127);
    EXPECT_EQ(Grey(canvas, 3, 2), 0);
    EXPECT_EQ(Grey(canvas, 0, 0), 255);
    EXPECT_EQ(font.Advance('B'), 2);
    EXPECT_EQ(font.Advance(0x20AC), 8);
}

// At scale 2 each pixel mixes the two nearest columns: at the right edge of A's cell a quarter
// comes from B's first column. That is why cells need padding when text is drawn scaled.
TEST(SheetFontTest, ScaleTwoFiltersAcrossTheCellEdge) {
    TinyFont tiny({255, 0, 255, 0, 255, 0, 255, 0});
    const SheetFont font(tiny.header, tiny.entries, tiny.sheet.data());
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(4, 4, WHITE));
    EXPECT_EQ(font.DrawGlyph(canvas, 'A', 0, 0, BLACK, 2), 4);
    EXPECT_EQ(Grey(canvas, 0, 1), 64);  // 3/4 of the inked column, 1/4 of the transparent border
    EXPECT_EQ(Grey(canvas, 1, 1), 64);  // 3/4 inked, 1/4 of A's empty second column
    EXPECT_EQ(Grey(canvas, 2, 1), 191); // 1/4 inked, 3/4 empty
    EXPECT_EQ(Grey(canvas, 3, 1), 191); // 3/4 empty, 1/4 of B's inked first column
}

TEST(SheetFontTest, MissingGlyphIsTheToolkitsBox) {
    TinyFont tiny;
    tiny.header.lineHeight = 6;
    const SheetFont font(tiny.header, tiny.entries, tiny.sheet.data());
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(12, 8, WHITE));
    // The box is 0.8 of the nominal width: 8 pixels, its outline from (1,1) to (8,6).
    EXPECT_EQ(font.DrawGlyph(canvas, 'Z', 0, 0, BLACK), 8);
    EXPECT_EQ(Grey(canvas, 1, 1), 0);
    EXPECT_EQ(Grey(canvas, 7, 5), 0);
    EXPECT_EQ(Grey(canvas, 4, 3), 255);
    EXPECT_EQ(Grey(canvas, 0, 0), 255);
    EXPECT_EQ(Grey(canvas, 8, 3), 255);
}

// Cells that reach outside the sheet, or text that runs off the canvas, draw what is inside.
TEST(SheetFontTest, ClipsToTheSheetAndTheCanvas) {
    TinyFont tiny;
    tiny.entries = {{'A', 0, 0, 65535}, {'B', 4, 2, 3}};
    tiny.header.lineHeight = 65535;
    const SheetFont font(tiny.header, tiny.entries, tiny.sheet.data());
    Canvas canvas;
    ASSERT_TRUE(canvas.Create(6, 4, WHITE));
    EXPECT_EQ(font.DrawText(canvas, "AB", -3, -2, BLACK), 65535 + 3);
    // A's cell begins a column and a row before the sheet: canvas (0,0) shows sheet (2,1).
    EXPECT_EQ(Grey(canvas, 0, 0), 0);
    EXPECT_EQ(Grey(canvas, 1, 0), 255);
    EXPECT_EQ(Grey(canvas, 2, 0), 255);
    EXPECT_EQ(Grey(canvas, 0, 1), 255);
}

} // namespace
