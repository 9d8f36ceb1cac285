// krfmake: rasterises the characters of a TrueType font at one pixel size onto
// a glyph sheet and writes it as a .krf font file; or shows and checks a .krf
// font file (--info).
//
// Every glyph gets a cell one line tall and as wide as its advance, with the
// baseline one ascender below the cell's top; pixels a glyph draws outside its
// cell are cut off, unless moving the glyph sideways keeps them.

#include "CharsFile.h"
#include "CodeList.h"
#include "ExitStatus.h"
#include "FontInfo.h"
#include "FontRasterizer.h"
#include "GlyphSheet.h"
#include "KrfWriter.h"
#include "Options.h"
#include "Preview.h"
#include "SheetPacker.h"
#include "SheetSizes.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr std::size_t MAX_LISTED_CODES = 16;

void Fail(const std::string& message) {
    std::fprintf(stderr, "krfmake: %s\n", message.c_str());
}

std::string Count(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

template <typename Code> std::string CodeNames(const std::vector<Code>& codes) {
    std::string list;
    for (std::size_t i = 0; i < codes.size() && i < MAX_LISTED_CODES; ++i) {
        list += (i == 0 ? "" : " ") + CodeName(codes[i]);
    }
    return codes.size() > MAX_LISTED_CODES ? list + " ..." : list;
}

// The codes of --chars (its default when neither option is given) and of --chars-file.
// Returns 0, or the exit status of the failure it reported.
int GatherCodes(const Options& options, std::vector<std::uint16_t>& codes,
                std::vector<std::string>& samples) {
    std::string error;
    if (!options.chars.empty() || options.charsFile.empty()) {
        const std::string list = options.chars.empty() ? DEFAULT_CODE_LIST : options.chars;
        if (!ParseCodeList(list, codes, error)) {
            Fail(error);
            return EXIT_USAGE;
        }
    }
    if (options.charsFile.empty()) {
        return 0;
    }
    CharsFileCodes fromFile;
    switch (ReadCharsFile(options.charsFile, fromFile, error)) {
    case CharsFileRead::CANNOT_READ:
        Fail(error);
        return EXIT_USAGE;
    case CharsFileRead::INVALID:
        std::fprintf(stderr, "%s\n", error.c_str());
        return EXIT_DEFECT;
    case CharsFileRead::OK:
        break;
    }
    if (!fromFile.beyond.empty()) {
        std::fprintf(
            stderr,
            "krfmake: note: %s has %s above U+FFFF, beyond the 16-bit codes of a font file, left out: %s\n",
            options.charsFile.c_str(), Count(fromFile.beyond.size(), "character", "characters").c_str(),
            CodeNames(fromFile.beyond).c_str());
    }
    samples = fromFile.samples;
    codes.insert(codes.end(), fromFile.codes.begin(), fromFile.codes.end());
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    return 0;
}

std::string DerivedName(const FontRasterizer& font) {
    std::string name = font.FamilyName();
    const std::size_t space = name.find(' ');
    if (space != std::string::npos) {
        name.erase(0, space + 1);
    }
    const std::string style = font.StyleName();
    if (!style.empty() && style != "Regular" && style != "Book" && style != "Normal" && style != "Roman") {
        name += " " + style;
    }
    return name;
}

bool CheckName(const std::string& name) {
    if (name.empty() || name.size() > uiFontFileLayout::MAX_NAME_LENGTH) {
        Fail("font name \"" + name + "\" must have 1 to " +
             std::to_string(uiFontFileLayout::MAX_NAME_LENGTH) + " characters (it has " +
             std::to_string(name.size()) + "); choose one with --name");
        return false;
    }
    for (const char c : name) {
        if (c < 0x20 || c > 0x7E) {
            Fail("font name \"" + name + "\" must be printable ASCII; choose one with --name");
            return false;
        }
    }
    return true;
}

std::string FitFailure(const Options& options, const SheetSize& size, std::size_t glyphCount, int lineHeight,
                       int padding, const PackResult& packed, int widest) {
    const std::string sheet = std::to_string(size.width) + "x" + std::to_string(size.height);
    std::string message = std::to_string(packed.cellsLeftOver) + " of the " + std::to_string(glyphCount) +
                          " glyphs at " + std::to_string(options.pixelSize) + " px do not fit " +
                          (options.sizeAuto ? "even a " : "a ") + sheet + " sheet: ";
    if (widest > size.width) {
        message += "the widest cell is " + std::to_string(widest) + " px wide";
    } else {
        message += "they need " + std::to_string(packed.rowsNeeded) + " rows of " +
                   std::to_string(lineHeight) + " px, the sheet has room for " +
                   std::to_string(SheetPacker(size.width, size.height, lineHeight, padding).RowsAvailable());
    }
    return message + (options.sizeAuto ? "; use a smaller --size or fewer characters"
                                       : "; use a larger --width/--height, --size-auto or a smaller --size");
}

int Build(const Options& options) {
    std::vector<std::uint16_t> codes;
    std::vector<std::string> samples;
    if (const int status = GatherCodes(options, codes, samples); status != 0) {
        return status;
    }
    FontRasterizer font;
    std::string error;
    switch (font.Open(options.fontPath, options.pixelSize, error)) {
    case FontOpen::CANNOT_READ:
        Fail(error);
        return EXIT_USAGE;
    case FontOpen::NOT_USABLE:
        Fail(error);
        return EXIT_DEFECT;
    case FontOpen::OPENED:
        break;
    }
    BuiltFont krf;
    krf.header.name = options.name.empty() ? DerivedName(font) : options.name;
    if (!CheckName(krf.header.name)) {
        return EXIT_USAGE;
    }
    std::vector<SheetGlyph> glyphs;
    std::vector<std::uint16_t> missing;
    if (!RenderGlyphs(font, codes, glyphs, missing, error)) {
        Fail(error);
        return EXIT_DEFECT;
    }
    if (!missing.empty()) {
        std::fprintf(stderr, "krfmake: note: the font has no glyph for %zu of the codes, left out: %s\n",
                     missing.size(), CodeNames(missing).c_str());
    }
    if (glyphs.empty()) {
        Fail("the font has a glyph for none of the " + std::to_string(codes.size()) +
             " characters asked for");
        return EXIT_DEFECT;
    }
    if (glyphs.size() > uiFontFileLayout::MAX_ENTRIES) {
        Fail("a font file holds at most " + std::to_string(uiFontFileLayout::MAX_ENTRIES) +
             " glyphs; the font has " + std::to_string(glyphs.size()) + " of the codes asked for");
        return EXIT_USAGE;
    }
    const int lineHeight = font.LineHeight();
    if (lineHeight < 1 || lineHeight > static_cast<int>(uiFontFileLayout::MAX_SHEET_SIDE)) {
        Fail("the font's line height at " + std::to_string(options.pixelSize) + " px is " +
             std::to_string(lineHeight) + " px, which no sheet can hold");
        return EXIT_DEFECT;
    }

    std::vector<int> widths;
    int widest = 0;
    for (const SheetGlyph& glyph : glyphs) {
        widths.push_back(glyph.image.advance);
        widest = std::max(widest, glyph.image.advance);
    }
    SheetChoice sheet;
    bool fits = false;
    if (options.sizeAuto) {
        fits = ChooseAutoSheet(widths, lineHeight, options.padding, sheet);
    } else {
        sheet.size = {options.sheetWidth, options.sheetHeight};
        sheet.packed =
            SheetPacker(options.sheetWidth, options.sheetHeight, lineHeight, options.padding).Pack(widths);
        fits = sheet.packed.fits;
    }
    if (!fits) {
        Fail(FitFailure(options, sheet.size, glyphs.size(), lineHeight, options.padding, sheet.packed,
                        widest));
        return EXIT_DEFECT;
    }

    const std::size_t sheetBytes = uiFontFileLayout::SheetBytes(sheet.size.width, sheet.size.height);
    krf.sheet.reset(new (std::nothrow) unsigned char[sheetBytes]());
    if (!krf.sheet) {
        Fail("not enough memory for a " + std::to_string(sheet.size.width) + "x" +
             std::to_string(sheet.size.height) + " sheet");
        return EXIT_USAGE;
    }
    krf.header.size = static_cast<std::uint8_t>(options.pixelSize);
    krf.header.sheetWidth = static_cast<std::uint16_t>(sheet.size.width);
    krf.header.sheetHeight = static_cast<std::uint16_t>(sheet.size.height);
    krf.header.lineHeight = static_cast<std::uint16_t>(lineHeight);
    krf.header.nominalWidth = static_cast<std::uint16_t>(NominalWidth(font, glyphs));
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const CellPlace& cell = sheet.packed.places[i];
        DrawIntoCell(glyphs[i].image, cell, lineHeight, font.Ascender(), sheet.size.width, krf.sheet.get());
        krf.entries.push_back({glyphs[i].code, static_cast<std::uint16_t>(cell.x + 1),
                               static_cast<std::uint16_t>(cell.y + 1),
                               static_cast<std::uint16_t>(glyphs[i].image.advance)});
    }
    if (!WriteKrfFile(options.outputPath, krf, error)) {
        Fail(error);
        return EXIT_USAGE;
    }
    std::printf(
        "%s: \"%s\" size %d, sheet %dx%d%s, %zu glyphs, line height %d, nominal width %d, padding %d\n",
        options.outputPath.c_str(), krf.header.name.c_str(), options.pixelSize, sheet.size.width,
        sheet.size.height, options.sizeAuto ? " (the smallest that holds them)" : "", krf.entries.size(),
        lineHeight, krf.header.nominalWidth, options.padding);
    if (!options.previewPath.empty()) {
        if (!WritePreview(options.previewPath, krf.header, krf.entries, krf.sheet.get(), samples, error)) {
            Fail(error);
            return EXIT_USAGE;
        }
        std::printf("%s: preview\n", options.previewPath.c_str());
    }
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    switch (ParseOptions(argc, argv, options)) {
    case ParseOutcome::HELP_SHOWN:
        return EXIT_SUCCESS;
    case ParseOutcome::USAGE_ERROR:
        return EXIT_USAGE;
    case ParseOutcome::RUN:
        break;
    }
    return options.infoPath.empty() ? Build(options) : ShowFontInfo(options.infoPath, options.previewPath);
}
