// SheetFont draws text on a Canvas from a font file's sheet and cells, as the toolkit draws it
// with GL at a whole-number scale: each glyph is its cell's coverage, linearly filtered, the
// pen moves on by the cell's width, and a code without a glyph draws the toolkit's
// missing-glyph box. For a code listed twice
// the first entry is the glyph, as in the toolkit. It borrows the header, entries and sheet.
#pragma once

#include "Canvas.h"
#include "uiFontFileLayout.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class SheetFont {
public:
    // sheet holds header.sheetWidth x header.sheetHeight bytes; cells that reach outside it
    // draw what lies inside.
    SheetFont(const uiFontFileHeader& header, const std::vector<uiFontFileEntry>& entries,
              const unsigned char* sheet);

    bool HasGlyph(std::uint32_t code) const;
    // At scale 1; a code without glyph advances by its box.
    int Advance(std::uint32_t code) const;

    // Each returns the advance at the scale. y is the top of the line. Text is UTF-8.
    int DrawGlyph(Canvas& canvas, std::uint32_t code, int x, int y, Rgb color, int scale = 1) const;
    int DrawText(Canvas& canvas, const std::string& text, int x, int y, Rgb color, int scale = 1) const;

    // The whole sheet's coverage, each pixel scale x scale pixels large.
    void DrawSheet(Canvas& canvas, int x, int y, int scale, Rgb color) const;

private:
    int MissingBoxWidth(int scale) const;
    // A texel's coverage; 0 outside the sheet, as a clamped texture's border.
    int Coverage(long column, long row) const;

    const uiFontFileHeader& header_;
    const unsigned char* sheet_;
    std::map<std::uint32_t, uiFontFileEntry> glyphs_;
};
