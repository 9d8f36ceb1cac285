#include "GlyphSheet.h"

#include <algorithm>
#include <cstddef>

namespace {

// Column of the glyph's bitmap within its cell. A bitmap that reaches past the
// cell's side but is no wider than the cell is moved inside: a pixel less or
// more of spacing spoils small text less than a cut stroke does.
int LeftInCell(const RenderedGlyph& glyph) {
    if (glyph.width > glyph.advance) {
        return glyph.left;
    }
    return std::clamp(glyph.left, 0, glyph.advance - glyph.width);
}

} // namespace

bool RenderGlyphs(const FontRasterizer& font, const std::vector<std::uint16_t>& codes,
                  std::vector<SheetGlyph>& glyphs, std::vector<std::uint16_t>& missing, std::string& error) {
    for (const std::uint16_t code : codes) {
        if (!font.HasGlyph(code)) {
            missing.push_back(code);
            continue;
        }
        SheetGlyph glyph;
        glyph.code = code;
        if (!font.Render(code, glyph.image, error)) {
            return false;
        }
        glyphs.push_back(std::move(glyph));
    }
    return true;
}

int NominalWidth(const FontRasterizer& font, const std::vector<SheetGlyph>& glyphs) {
    RenderedGlyph zero;
    std::string error;
    if (font.HasGlyph('0') && font.Render('0', zero, error)) {
        return zero.advance;
    }
    if (glyphs.empty()) {
        return 0;
    }
    long total = 0;
    for (const SheetGlyph& glyph : glyphs) {
        total += glyph.image.advance;
    }
    return static_cast<int>((total + static_cast<long>(glyphs.size()) / 2) /
                            static_cast<long>(glyphs.size()));
}

void DrawIntoCell(const RenderedGlyph& glyph, const CellPlace& cell, int lineHeight, int ascender,
                  int sheetWidth, unsigned char* sheet) {
    const int left = LeftInCell(glyph);
    for (int row = 0; row < glyph.rows; ++row) {
        const int cellRow = ascender - glyph.top + row;
        if (cellRow < 0 || cellRow >= lineHeight) {
            continue;
        }
        for (int column = 0; column < glyph.width; ++column) {
            const int cellColumn = left + column;
            if (cellColumn < 0 || cellColumn >= glyph.advance) {
                continue;
            }
            const std::size_t target =
                static_cast<std::size_t>(cell.y + cellRow) * sheetWidth + (cell.x + cellColumn);
            sheet[target] = glyph.coverage[static_cast<std::size_t>(row) * glyph.width + column];
        }
    }
}
