// FontRasterizer renders single characters of a TrueType (or other outline)
// font with FreeType as 8-bit anti-aliased coverage at one pixel size, and
// gives the line metrics of that size. It owns the FreeType library and face
// and releases them when it goes away.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <ft2build.h>
#include FT_FREETYPE_H

struct RenderedGlyph {
    int advance = 0;                     // pen advance in whole pixels: the width of the glyph's cell
    int left = 0;                        // column of the bitmap's left edge, relative to the pen position
    int top = 0;                         // rows from the bitmap's top edge up to the baseline
    int width = 0;                       // bitmap columns
    int rows = 0;                        // bitmap rows
    std::vector<unsigned char> coverage; // width x rows, top row first
};

// How opening a font went: a file that can't be read is another failure than one that can be
// read but is no font to render.
enum class FontOpen { OPENED, CANNOT_READ, NOT_USABLE };

class FontRasterizer {
public:
    FontRasterizer() = default;
    ~FontRasterizer();
    FontRasterizer(const FontRasterizer&) = delete;
    FontRasterizer& operator=(const FontRasterizer&) = delete;

    // Opens the font file and selects the pixel size. On failure gives a
    // message in error.
    FontOpen Open(const std::string& path, int pixelSize, std::string& error);

    std::string FamilyName() const;
    std::string StyleName() const;

    // Rows from the top of a line down to the baseline, and the whole line
    // (ascender plus descender, each rounded away from the baseline).
    int Ascender() const;
    int LineHeight() const;

    // Whether the font maps the Unicode character to a glyph of its own.
    bool HasGlyph(std::uint32_t code) const;

    // Renders the Unicode character; on failure returns false with a message.
    bool Render(std::uint32_t code, RenderedGlyph& glyph, std::string& error) const;

private:
    FT_Library library_ = nullptr;
    FT_Face face_ = nullptr;
};
