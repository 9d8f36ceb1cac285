// krfmake: rasterises the characters of a TrueType font at one pixel size onto
// a glyph sheet and writes it as a .krf font file.
//
// Every glyph gets a cell one line tall and as wide as its advance, with the
// baseline one ascender below the cell's top; pixels a glyph draws outside its
// cell are cut off, unless moving the glyph sideways keeps them.

#include "CodeList.h"
#include "FontRasterizer.h"
#include "GlyphSheet.h"
#include "KrfWriter.h"
#include "SheetPacker.h"

#include <getopt.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr int SHEET_GAP = 1;
constexpr int MAX_PIXEL_SIZE = 255;
constexpr int MAX_SHEET_SIDE = 65535;
constexpr std::size_t MAX_LISTED_CODES = 16;
constexpr int EXIT_USAGE = 2;

struct Options {
    std::string fontPath;
    std::string outputPath;
    std::string name;
    std::string codes = DEFAULT_CODE_LIST;
    int pixelSize = 12;
    int sheetWidth = 256;
    int sheetHeight = 128;
};

void PrintHelp() {
    std::printf("Usage: krfmake --font FILE.ttf --output FILE.krf [options]\n"
                "\n"
                "Rasterises a TrueType font with FreeType (grey-scale anti-aliasing) onto a\n"
                "glyph sheet and writes it as a .krf font file.\n"
                "\n"
                "  -f, --font PATH     TrueType font to rasterise (required)\n"
                "  -o, --output PATH   .krf file to write (required)\n"
                "  -s, --size PX       pixel size, 1 to %d (default 12)\n"
                "  -W, --width PX      sheet width, 1 to %d (default 256)\n"
                "  -H, --height PX     sheet height, 1 to %d (default 128)\n"
                "  -n, --name TEXT     font name stored in the file, printable ASCII, at most\n"
                "                      %zu characters (default: the family name without its\n"
                "                      first word, plus the style unless it is the regular one;\n"
                "                      \"DejaVu Sans\" gives \"Sans\")\n"
                "  -c, --codes LIST    character codes as codes and ranges, such as 65,0x41-0x5A\n"
                "                      (default %s: printable ASCII and Latin-1, whose\n"
                "                      codes are those of the Unicode characters)\n"
                "  -h, --help          show this help\n"
                "\n"
                "Codes the font has no glyph for are left out with a note. Each glyph gets a\n"
                "cell one line tall and its advance wide; cells are packed row by row with a\n"
                "one-pixel gap. The tool fails when the cells do not fit the sheet.\n",
                MAX_PIXEL_SIZE, MAX_SHEET_SIDE, MAX_SHEET_SIDE, uiFontFileLayout::MAX_NAME_LENGTH, DEFAULT_CODE_LIST);
}

void Fail(const std::string& message) {
    std::fprintf(stderr, "krfmake: %s\n", message.c_str());
}

bool ParseNumber(const char* option, const char* text, int min, int max, int& value) {
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || errno != 0 || number < min || number > max) {
        Fail(std::string("bad value \"") + text + "\" for " + option + ": expected a whole number from " +
             std::to_string(min) + " to " + std::to_string(max));
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

// Returns 0 to run, -1 when help was shown, or the exit code of a usage error.
int ParseOptions(int argc, char** argv, Options& options) {
    static const option LONG_OPTIONS[] = {{"font", required_argument, nullptr, 'f'},
                                          {"output", required_argument, nullptr, 'o'},
                                          {"size", required_argument, nullptr, 's'},
                                          {"width", required_argument, nullptr, 'W'},
                                          {"height", required_argument, nullptr, 'H'},
                                          {"name", required_argument, nullptr, 'n'},
                                          {"codes", required_argument, nullptr, 'c'},
                                          {"help", no_argument, nullptr, 'h'},
                                          {nullptr, 0, nullptr, 0}};
    opterr = 0;
    bool valid = true;
    int option = 0;
    while (valid && (option = getopt_long(argc, argv, ":f:o:s:W:H:n:c:h", LONG_OPTIONS, nullptr)) != -1) {
        switch (option) {
        case 'f':
            options.fontPath = optarg;
            break;
        case 'o':
            options.outputPath = optarg;
            break;
        case 's':
            valid = ParseNumber("--size", optarg, 1, MAX_PIXEL_SIZE, options.pixelSize);
            break;
        case 'W':
            valid = ParseNumber("--width", optarg, 1, MAX_SHEET_SIDE, options.sheetWidth);
            break;
        case 'H':
            valid = ParseNumber("--height", optarg, 1, MAX_SHEET_SIDE, options.sheetHeight);
            break;
        case 'n':
            options.name = optarg;
            break;
        case 'c':
            options.codes = optarg;
            break;
        case 'h':
            PrintHelp();
            return -1;
        case ':':
            Fail(std::string("option ") + argv[optind - 1] + " needs a value");
            valid = false;
            break;
        default:
            Fail("unknown option " +
                 (optopt != 0 ? std::string("-") + static_cast<char>(optopt) : argv[optind - 1]));
            valid = false;
            break;
        }
    }
    if (valid && optind < argc) {
        Fail(std::string("unexpected argument \"") + argv[optind] + "\"");
        valid = false;
    }
    if (valid && (options.fontPath.empty() || options.outputPath.empty())) {
        Fail("both --font and --output are required");
        valid = false;
    }
    if (!valid) {
        std::fprintf(stderr, "Try 'krfmake --help'.\n");
        return EXIT_USAGE;
    }
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
        Fail("font name \"" + name + "\" must have 1 to " + std::to_string(uiFontFileLayout::MAX_NAME_LENGTH) +
             " characters (it has " + std::to_string(name.size()) + "); choose one with --name");
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

void ReportMissing(const std::vector<std::uint16_t>& missing) {
    if (missing.empty()) {
        return;
    }
    std::string list;
    for (std::size_t i = 0; i < missing.size() && i < MAX_LISTED_CODES; ++i) {
        list += (i == 0 ? "" : " ") + std::to_string(missing[i]);
    }
    if (missing.size() > MAX_LISTED_CODES) {
        list += " ...";
    }
    std::fprintf(stderr, "krfmake: note: the font has no glyph for %zu of the codes, left out: %s\n",
                 missing.size(), list.c_str());
}

std::string FitFailure(const Options& options, std::size_t glyphCount, int lineHeight,
                       const SheetPacker& packer, const PackResult& packed, int widest) {
    std::string message = "the " + std::to_string(glyphCount) + " glyphs at " +
                          std::to_string(options.pixelSize) + " px do not fit a " +
                          std::to_string(options.sheetWidth) + "x" + std::to_string(options.sheetHeight) +
                          " sheet: ";
    if (widest > options.sheetWidth) {
        return message + "the widest cell is " + std::to_string(widest) + " px wide";
    }
    return message + "they need " + std::to_string(packed.rowsNeeded) + " rows of " +
           std::to_string(lineHeight) + " px, the sheet has room for " +
           std::to_string(packer.RowsAvailable()) + "; use a larger --width/--height or a smaller --size";
}

int Run(const Options& options) {
    std::vector<std::uint16_t> codes;
    std::string error;
    if (!ParseCodeList(options.codes, codes, error)) {
        Fail(error);
        return EXIT_USAGE;
    }
    FontRasterizer font;
    if (!font.Open(options.fontPath, options.pixelSize, error)) {
        Fail(error);
        return EXIT_FAILURE;
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
        return EXIT_FAILURE;
    }
    ReportMissing(missing);
    if (glyphs.size() > uiFontFileLayout::MAX_ENTRIES) {
        Fail("a font file holds at most " + std::to_string(uiFontFileLayout::MAX_ENTRIES) + " glyphs; the font has " +
             std::to_string(glyphs.size()) + " of the codes asked for");
        return EXIT_USAGE;
    }
    const int lineHeight = font.LineHeight();
    if (lineHeight < 1 || lineHeight > MAX_SHEET_SIDE) {
        Fail("the font's line height at " + std::to_string(options.pixelSize) + " px is " +
             std::to_string(lineHeight) + " px, which no sheet can hold");
        return EXIT_FAILURE;
    }
    std::vector<int> widths;
    int widest = 0;
    for (const SheetGlyph& glyph : glyphs) {
        widths.push_back(glyph.image.advance);
        widest = std::max(widest, glyph.image.advance);
    }
    const SheetPacker packer(options.sheetWidth, options.sheetHeight, lineHeight, SHEET_GAP);
    const PackResult packed = packer.Pack(widths);
    if (!packed.fits) {
        Fail(FitFailure(options, glyphs.size(), lineHeight, packer, packed, widest));
        return EXIT_FAILURE;
    }

    const std::size_t sheetBytes = static_cast<std::size_t>(options.sheetWidth) * options.sheetHeight;
    krf.sheet.reset(new (std::nothrow) unsigned char[sheetBytes]());
    if (!krf.sheet) {
        Fail("not enough memory for a " + std::to_string(options.sheetWidth) + "x" +
             std::to_string(options.sheetHeight) + " sheet");
        return EXIT_FAILURE;
    }
    krf.header.size = static_cast<std::uint8_t>(options.pixelSize);
    krf.header.sheetWidth = static_cast<std::uint16_t>(options.sheetWidth);
    krf.header.sheetHeight = static_cast<std::uint16_t>(options.sheetHeight);
    krf.header.lineHeight = static_cast<std::uint16_t>(lineHeight);
    krf.header.nominalWidth = static_cast<std::uint16_t>(NominalWidth(font, glyphs));
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const CellPlace& cell = packed.places[i];
        DrawIntoCell(glyphs[i].image, cell, lineHeight, font.Ascender(), options.sheetWidth, krf.sheet.get());
        krf.entries.push_back({glyphs[i].code, static_cast<std::uint16_t>(cell.x + 1),
                               static_cast<std::uint16_t>(cell.y + 1),
                               static_cast<std::uint16_t>(glyphs[i].image.advance)});
    }
    if (!WriteKrfFile(options.outputPath, krf, error)) {
        Fail(error);
        return EXIT_FAILURE;
    }
    std::printf("%s: \"%s\" size %d, sheet %dx%d, %zu glyphs, line height %d, nominal width %d\n",
                options.outputPath.c_str(), krf.header.name.c_str(), options.pixelSize, options.sheetWidth,
                options.sheetHeight, krf.entries.size(), lineHeight, krf.header.nominalWidth);
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    const int parsed = ParseOptions(argc, argv, options);
    if (parsed != 0) {
        return parsed < 0 ? EXIT_SUCCESS : parsed;
    }
    return Run(options);
}
