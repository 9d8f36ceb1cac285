// Glyphs on their way to a glyph sheet: rendering the requested characters,
// the font's nominal width, and copying each glyph into its cell.
#pragma once

#include "FontRasterizer.h"
#include "SheetPacker.h"

#include <cstdint>
#include <string>
#include <vector>

struct SheetGlyph {
    std::uint16_t code = 0;
    RenderedGlyph image;
};

// Renders every code the font has a glyph for, in the order given; codes
// without a glyph go to missing. Returns false with a message when FreeType
// fails on a glyph.
bool RenderGlyphs(const FontRasterizer& font, const std::vector<std::uint16_t>& codes,
                  std::vector<SheetGlyph>& glyphs, std::vector<std::uint16_t>& missing, std::string& error);

// The advance of the digit zero, a typical character of a proportional font,
// or the average advance when the font has no zero.
int NominalWidth(const FontRasterizer& font, const std::vector<SheetGlyph>& glyphs);

// Copies a glyph's coverage into its cell of a sheet sheetWidth pixels wide,
// with the baseline one ascender below the cell's top, cutting whatever lies
// outside the cell.
void DrawIntoCell(const RenderedGlyph& glyph, const CellPlace& cell, int lineHeight, int ascender,
                  int sheetWidth, unsigned char* sheet);
