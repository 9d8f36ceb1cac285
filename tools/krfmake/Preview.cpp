#include "Preview.h"

#include "Canvas.h"
#include "PngFile.h"
#include "SheetFont.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdint>
#include <set>

namespace {

constexpr int MARGIN = 16;
constexpr int SECTION_GAP = 14;
constexpr int LINE_GAP = 4;
constexpr int GLYPH_GAP = 3;
constexpr int SHEET_TARGET_SIDE = 1024;
constexpr int MAX_SHEET_SCALE = 4;
constexpr int MIN_TEXT_WIDTH = 640;
constexpr int MAX_PREVIEW_HEIGHT = 8192;
// The first sample line is shown once more at this scale, filtered as the toolkit's GL would,
// so that glyphs bleeding into each other at too small a padding show.
constexpr int ENLARGED_TEXT_SCALE = 2;

constexpr Rgb PAGE = {250, 250, 250};
constexpr Rgb UNUSED_SHEET = {218, 222, 228};
constexpr Rgb CELL = {255, 255, 255};
constexpr Rgb CELL_FRAME = {96, 140, 215};
constexpr Rgb SHEET_FRAME = {120, 124, 130};
constexpr Rgb INK = {20, 20, 24};
constexpr Rgb RULE = {200, 200, 204};

// One line per script a font may hold; a line is shown when the font has at least three in
// four of its characters, so a missing one shows as the box the toolkit would draw.
const char* const SAMPLE_LINES[] = {
    "The quick brown fox jumps over the lazy dog. 0123456789",
    "Größe · Café · «Ça va?» · ¿Qué tal? · Ærø · ½ × ÷ ±",
    "Łódź · Žluťoučký kůň · İstanbul · Œuvre · Ğğ Őő",
    "Ξεσκεπάζω την ψυχοφθόρα βδελυγμία",
    "Съешь же ещё этих мягких французских булок",
    "€ 5,00 · 12 € · £ 3 · ¥ 400 · ¢",
};

bool FontShows(const SheetFont& font, const std::string& line) {
    int characters = 0;
    int held = 0;
    for (std::size_t position = 0; position < line.size();) {
        const Utf8Step step = DecodeUtf8(line, position);
        position += step.length;
        if (step.code != ' ') {
            ++characters;
            held += font.HasGlyph(step.code) ? 1 : 0;
        }
    }
    return held * 4 >= characters * 3;
}

// Every glyph once, in code order, cut into lines no wider than width.
std::vector<std::vector<std::uint16_t>> GlyphLines(const SheetFont& font,
                                                   const std::vector<uiFontFileEntry>& entries, int width) {
    std::set<std::uint16_t> codes;
    for (const uiFontFileEntry& entry : entries) {
        codes.insert(entry.code);
    }
    std::vector<std::vector<std::uint16_t>> lines;
    int used = width;
    for (const std::uint16_t code : codes) {
        const int advance = font.Advance(code);
        if (used + advance > width && used > 0) {
            lines.emplace_back();
            used = 0;
        }
        lines.back().push_back(code);
        used += advance + GLYPH_GAP;
    }
    return lines;
}

// The visible part of a rectangle inside the sheet's picture, grown by one pixel for frames.
struct Box {
    long left, top, right, bottom;
};

void DrawCells(Canvas& canvas, const uiFontFileHeader& header, const std::vector<uiFontFileEntry>& entries,
               int sheetX, int sheetY, int scale) {
    const Box sheet = {sheetX - 1L, sheetY - 1L, sheetX + static_cast<long>(header.sheetWidth) * scale + 1,
                       sheetY + static_cast<long>(header.sheetHeight) * scale + 1};
    std::vector<Box> frames;
    for (const uiFontFileEntry& entry : entries) {
        const long left = sheetX + (static_cast<long>(entry.x) - 1) * scale;
        const long top = sheetY + (static_cast<long>(entry.y) - 1) * scale;
        const Box frame = {std::max(left - 1, sheet.left), std::max(top - 1, sheet.top),
                           std::min(left + static_cast<long>(entry.width) * scale + 1, sheet.right),
                           std::min(top + static_cast<long>(header.lineHeight) * scale + 1, sheet.bottom)};
        if (frame.left < frame.right && frame.top < frame.bottom) {
            frames.push_back(frame);
        }
    }
    // White cells first and frames over them, so that no cell's white covers a neighbour's frame.
    for (const Box& frame : frames) {
        canvas.Fill(static_cast<int>(frame.left), static_cast<int>(frame.top),
                    static_cast<int>(frame.right - frame.left), static_cast<int>(frame.bottom - frame.top),
                    CELL);
    }
    for (const Box& frame : frames) {
        canvas.Frame(static_cast<int>(frame.left), static_cast<int>(frame.top),
                     static_cast<int>(frame.right - frame.left), static_cast<int>(frame.bottom - frame.top),
                     CELL_FRAME);
    }
}

} // namespace

bool WritePreview(const std::string& path, const uiFontFileHeader& header,
                  const std::vector<uiFontFileEntry>& entries, const unsigned char* sheet,
                  const std::vector<std::string>& ownSamples, std::string& error) {
    if (header.sheetWidth > MAX_PREVIEW_SHEET_SIDE || header.sheetHeight > MAX_PREVIEW_SHEET_SIDE ||
        header.lineHeight > MAX_PREVIEW_LINE_HEIGHT) {
        error = "no preview of a " + std::to_string(header.sheetWidth) + "x" +
                std::to_string(header.sheetHeight) + " sheet with lines of " +
                std::to_string(header.lineHeight) + " px: a preview shows sheets up to " +
                std::to_string(MAX_PREVIEW_SHEET_SIDE) + "x" + std::to_string(MAX_PREVIEW_SHEET_SIDE) +
                " and lines up to " + std::to_string(MAX_PREVIEW_LINE_HEIGHT) + " px";
        return false;
    }
    const SheetFont font(header, entries, sheet);
    const int longerSide = std::max(header.sheetWidth, header.sheetHeight);
    const int scale = longerSide == 0 ? 1 : std::clamp(SHEET_TARGET_SIDE / longerSide, 1, MAX_SHEET_SCALE);
    const int sheetWidth = header.sheetWidth * scale;
    const int sheetHeight = header.sheetHeight * scale;
    const int textWidth = std::max(sheetWidth, MIN_TEXT_WIDTH);
    const int lineStep = header.lineHeight + LINE_GAP;

    const std::string title = header.name + " " + std::to_string(header.size) + " " +
                              std::to_string(header.sheetWidth) + "x" + std::to_string(header.sheetHeight) +
                              ", " + std::to_string(entries.size()) + " glyphs, line height " +
                              std::to_string(header.lineHeight);
    std::vector<std::string> titles;
    if (FontShows(font, title)) {
        titles.push_back(title);
    }
    std::vector<std::string> samples = ownSamples;
    for (const char* line : SAMPLE_LINES) {
        if (FontShows(font, line)) {
            samples.push_back(line);
        }
    }
    auto glyphLines = GlyphLines(font, entries, textWidth);

    const int enlargedStep = samples.empty() ? 0 : header.lineHeight * ENLARGED_TEXT_SCALE + LINE_GAP;
    const int aboveGlyphs = MARGIN + static_cast<int>(titles.size()) * (lineStep + SECTION_GAP) +
                            sheetHeight + SECTION_GAP + static_cast<int>(samples.size()) * lineStep +
                            enlargedStep + SECTION_GAP;
    // A font of thousands of narrow glyphs on tall lines would make a picture no one can look
    // at; the listing stops where the picture reaches its height limit.
    const std::size_t roomForLines =
        static_cast<std::size_t>(std::max(0, MAX_PREVIEW_HEIGHT - aboveGlyphs - MARGIN) / lineStep);
    glyphLines.resize(std::min(glyphLines.size(), roomForLines));
    const int height = aboveGlyphs + static_cast<int>(glyphLines.size()) * lineStep + MARGIN;
    Canvas canvas;
    if (!canvas.Create(textWidth + 2 * MARGIN, height, PAGE)) {
        error = "not enough memory for a preview of " + std::to_string(textWidth + 2 * MARGIN) + "x" +
                std::to_string(height) + " pixels";
        return false;
    }

    int y = MARGIN;
    for (const std::string& line : titles) {
        font.DrawText(canvas, line, MARGIN, y, INK);
        y += lineStep + SECTION_GAP;
    }

    canvas.Frame(MARGIN - 1, y - 1, sheetWidth + 2, sheetHeight + 2, SHEET_FRAME);
    canvas.Fill(MARGIN, y, sheetWidth, sheetHeight, UNUSED_SHEET);
    DrawCells(canvas, header, entries, MARGIN, y, scale);
    font.DrawSheet(canvas, MARGIN, y, scale, INK);
    y += sheetHeight + SECTION_GAP;

    for (const std::string& line : samples) {
        font.DrawText(canvas, line, MARGIN, y, INK);
        y += lineStep;
    }
    if (!samples.empty()) {
        font.DrawText(canvas, samples.front(), MARGIN, y, INK, ENLARGED_TEXT_SCALE);
        y += header.lineHeight * ENLARGED_TEXT_SCALE + LINE_GAP;
    }
    canvas.Fill(MARGIN, y + SECTION_GAP / 2 - 1, textWidth, 1, RULE);
    y += SECTION_GAP;
    for (const auto& line : glyphLines) {
        int x = MARGIN;
        for (const std::uint16_t code : line) {
            x += font.DrawGlyph(canvas, code, x, y, INK) + GLYPH_GAP;
        }
        y += lineStep;
    }
    if (!WritePng(path, canvas.Pixels(), canvas.Width(), canvas.Height(), error)) {
        error = "cannot write \"" + path + "\": " + error;
        return false;
    }
    return true;
}
