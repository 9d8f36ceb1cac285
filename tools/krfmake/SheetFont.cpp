#include "SheetFont.h"

#include "Utf8.h"

#include <algorithm>
#include <cmath>

namespace {

// The toolkit's missing-glyph box is this share of the nominal width.
constexpr float MISSING_BOX_FACTOR = 0.8f;

} // namespace

SheetFont::SheetFont(const uiFontFileHeader& header, const std::vector<uiFontFileEntry>& entries,
                     const unsigned char* sheet)
    : header_(header), sheet_(sheet) {
    for (const uiFontFileEntry& entry : entries) {
        glyphs_.emplace(entry.code, entry);
    }
}

bool SheetFont::HasGlyph(std::uint32_t code) const {
    return glyphs_.count(code) != 0;
}

int SheetFont::MissingBoxWidth(int scale) const {
    return static_cast<int>(
        std::floor(static_cast<float>(header_.nominalWidth) * scale * MISSING_BOX_FACTOR));
}

int SheetFont::Advance(std::uint32_t code) const {
    const auto glyph = glyphs_.find(code);
    return glyph != glyphs_.end() ? glyph->second.width : MissingBoxWidth(1);
}

int SheetFont::Coverage(long column, long row) const {
    if (column < 0 || row < 0 || column >= header_.sheetWidth || row >= header_.sheetHeight) {
        return 0;
    }
    return sheet_[static_cast<std::size_t>(row) * header_.sheetWidth + static_cast<std::size_t>(column)];
}

// Each canvas pixel samples the sheet at its centre between the four nearest texels, as GL's
// linear filter does, so a glyph drawn scaled picks up what lies beside its cell just as the
// toolkit's would. At scale 1 the centres meet the texels and the cell is copied as it is.
int SheetFont::DrawGlyph(Canvas& canvas, std::uint32_t code, int x, int y, Rgb color, int scale) const {
    const auto found = glyphs_.find(code);
    if (found == glyphs_.end()) {
        const int box = MissingBoxWidth(scale);
        const int height = header_.lineHeight * scale;
        if (box > 2 && height > 2) {
            canvas.Frame(x + 1, y + 1, box - 1, height - 1, color);
        }
        return box;
    }
    const uiFontFileEntry& cell = found->second;
    const long width = static_cast<long>(cell.width) * scale;
    const long height = static_cast<long>(header_.lineHeight) * scale;
    const long right = std::min(width, static_cast<long>(canvas.Width()) - x);
    const long bottom = std::min(height, static_cast<long>(canvas.Height()) - y);
    for (long row = std::max(0L, -static_cast<long>(y)); row < bottom; ++row) {
        const float sheetY = static_cast<float>(cell.y - 1) + (static_cast<float>(row) + 0.5f) / scale - 0.5f;
        const long top = static_cast<long>(std::floor(sheetY));
        const float down = sheetY - static_cast<float>(top);
        for (long column = std::max(0L, -static_cast<long>(x)); column < right; ++column) {
            const float sheetX =
                static_cast<float>(cell.x - 1) + (static_cast<float>(column) + 0.5f) / scale - 0.5f;
            const long left = static_cast<long>(std::floor(sheetX));
            const float across = sheetX - static_cast<float>(left);
            const float upper = Coverage(left, top) * (1.0f - across) + Coverage(left + 1, top) * across;
            const float lower =
                Coverage(left, top + 1) * (1.0f - across) + Coverage(left + 1, top + 1) * across;
            const float coverage = upper * (1.0f - down) + lower * down;
            canvas.Blend(static_cast<int>(x + column), static_cast<int>(y + row), color,
                         static_cast<int>(std::lround(coverage)));
        }
    }
    return static_cast<int>(width);
}

int SheetFont::DrawText(Canvas& canvas, const std::string& text, int x, int y, Rgb color, int scale) const {
    int pen = x;
    for (std::size_t position = 0; position < text.size();) {
        const Utf8Step step = DecodeUtf8(text, position);
        pen += DrawGlyph(canvas, step.code, pen, y, color, scale);
        position += step.length;
    }
    return pen - x;
}

void SheetFont::DrawSheet(Canvas& canvas, int x, int y, int scale, Rgb color) const {
    for (int row = 0; row < header_.sheetHeight; ++row) {
        for (int column = 0; column < header_.sheetWidth; ++column) {
            const int coverage = sheet_[static_cast<std::size_t>(row) * header_.sheetWidth + column];
            if (coverage == 0) {
                continue;
            }
            for (int dy = 0; dy < scale; ++dy) {
                for (int dx = 0; dx < scale; ++dx) {
                    canvas.Blend(x + column * scale + dx, y + row * scale + dy, color, coverage);
                }
            }
        }
    }
}
