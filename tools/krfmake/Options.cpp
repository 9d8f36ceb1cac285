#include "Options.h"

#include "CodeList.h"
#include "FileChecks.h"
#include "SheetSizes.h"
#include "uiFontFileLayout.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int MAX_PIXEL_SIZE = 255;
constexpr int MAX_SHEET_SIDE = static_cast<int>(uiFontFileLayout::MAX_SHEET_SIDE);
constexpr int MAX_PADDING = 64;

// The command line as CLI11 found it: every value still text, checked afterwards.
struct CommandLine {
    bool help = false;
    std::string info;
    std::string font;
    std::string output;
    std::string name;
    std::string chars;
    std::string charsFile;
    std::string preview;
    std::string size;
    std::string width;
    std::string height;
    std::string padding;
    bool sizeAuto = false;
    std::vector<std::string> extras;       // what matched no option
    std::vector<std::string> buildOptions; // the building options given, by their long names
};

void PrintHelp() {
    std::printf("Usage: krfmake --font FILE.ttf --output FILE.krf [options]\n"
                "       krfmake --info FILE.krf [--preview OUT.png]\n"
                "\n"
                "Rasterises the characters of a TrueType font with FreeType (grey-scale\n"
                "anti-aliasing) onto a glyph sheet and writes it as a .krf font file, or shows\n"
                "and checks a .krf font file.\n"
                "\n"
                "Building a font:\n"
                "  -f, --font PATH        TrueType font to rasterise (required)\n"
                "  -o, --output PATH      .krf file to write (required)\n"
                "  -s, --size PX          pixel size, 1 to %d (default 12)\n"
                "  -n, --name TEXT        font name stored in the file, printable ASCII, at most\n"
                "                         %zu characters (default: the family name without its\n"
                "                         first word, plus the style unless it is the regular one;\n"
                "                         \"DejaVu Sans\" gives \"Sans\")\n"
                "\n"
                "Characters (default %s: printable ASCII and Latin-1):\n"
                "  -c, --chars LIST       codes and ranges, such as 32-126,160-255,0x20AC or\n"
                "                         U+0391-U+03C9: decimal, or hexadecimal after 0x or U+,\n"
                "                         0 to 65535 (--codes is another name of this option)\n"
                "      --chars-file FILE  every character of a UTF-8 text file, in addition to\n"
                "                         the --chars list (without --chars, instead of the\n"
                "                         default); line ends and byte-order marks are not\n"
                "                         characters; characters above U+FFFF, which a font file\n"
                "                         can't hold, are left out with a note\n"
                "  Characters the TrueType font has no glyph for are left out with a note.\n"
                "\n"
                "The glyph sheet:\n"
                "  -W, --width PX         sheet width, 1 to %d (default 256)\n"
                "  -H, --height PX        sheet height, 1 to %d (default 128)\n"
                "      --size-auto        instead of --width and --height: try the power-of-two\n"
                "                         sheets from %dx%d to %dx%d, smallest area first (of two\n"
                "                         with one area, the squarer, then the wider), and take\n"
                "                         the first that holds every glyph\n"
                "  -p, --padding N        empty pixels between neighbouring cells, across and\n"
                "                         down, 0 to %d (default 1), so that glyphs drawn scaled do\n"
                "                         not pick up their neighbours\n"
                "      --preview PNG      also write a picture of the font: its sheet, enlarged,\n"
                "                         with every cell framed, above sample lines and every\n"
                "                         glyph drawn with the font\n"
                "  Each glyph gets a cell one line tall and its advance wide, packed row by row.\n"
                "  When they do not fit a --width x --height sheet the tool fails, saying how\n"
                "  many glyphs are left over.\n"
                "\n"
                "Showing a font:\n"
                "      --info FILE.krf    print the header and the glyph table of a .krf file and\n"
                "                         check it as the toolkit's font reader does: the reader's\n"
                "                         message and exit status 1 when the file is not whole,\n"
                "                         warnings for what the reader takes but an author should\n"
                "                         know (such as cells outside the sheet, codes listed twice)\n"
                "\n"
                "  -h, --help             show this help\n"
                "\n"
                "Exit status: 0 done; 1 the input has errors (a font file that is not whole, a\n"
                "characters file that is not UTF-8, glyphs that do not fit); 2 a usage error, or\n"
                "a file that can't be read or written.\n",
                MAX_PIXEL_SIZE, uiFontFileLayout::MAX_NAME_LENGTH, DEFAULT_CODE_LIST, MAX_SHEET_SIDE,
                MAX_SHEET_SIDE, MIN_AUTO_SIDE, MIN_AUTO_SIDE, MAX_AUTO_SIDE, MAX_AUTO_SIDE, MAX_PADDING);
}

// The only code that meets CLI11's exceptions. False with CLI11's message when the command
// line does not parse; options it does not know are left in extras.
bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& error) {
    CLI::App app("krfmake");
    app.set_help_flag();
    app.allow_extras();
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_flag("-h,--help", line.help);
    app.add_option("--info", line.info);
    const std::vector<CLI::Option*> build = {
        app.add_option("-f,--font", line.font),           app.add_option("-o,--output", line.output),
        app.add_option("-s,--size", line.size),           app.add_option("-n,--name", line.name),
        app.add_option("-c,--chars,--codes", line.chars), app.add_option("--chars-file", line.charsFile),
        app.add_option("-W,--width", line.width),         app.add_option("-H,--height", line.height),
        app.add_flag("--size-auto", line.sizeAuto),       app.add_option("-p,--padding", line.padding),
    };
    app.add_option("--preview", line.preview);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        error = e.what();
        return false;
    }
    line.extras = app.remaining();
    for (const CLI::Option* option : build) {
        if (option->count() > 0) {
            line.buildOptions.push_back("--" + option->get_lnames().front());
        }
    }
    return true;
}

void UsageError(const std::string& message) {
    std::fprintf(stderr, "krfmake: %s (see krfmake --help)\n", message.c_str());
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// An option that was not given keeps its default.
bool ParseNumber(const CommandLine& line, const std::string& option, const std::string& text, int min,
                 int max, int& value) {
    if (!Contains(line.buildOptions, option)) {
        return true;
    }
    char* end = nullptr;
    errno = 0;
    const long number = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || errno != 0 || number < min || number > max) {
        UsageError("bad value \"" + text + "\" for " + option + ": expected a whole number from " +
                   std::to_string(min) + " to " + std::to_string(max));
        return false;
    }
    value = static_cast<int>(number);
    return true;
}

bool CheckCombination(const CommandLine& line) {
    if (!line.extras.empty()) {
        const std::string& extra = line.extras.front();
        UsageError(extra.size() > 1 && extra[0] == '-' ? "unknown option " + extra
                                                       : "unexpected argument \"" + extra + "\"");
        return false;
    }
    if (!line.info.empty()) {
        if (!line.buildOptions.empty()) {
            UsageError("--info shows a font file and takes no building option such as " +
                       line.buildOptions.front());
            return false;
        }
        return true;
    }
    if (line.font.empty() || line.output.empty()) {
        UsageError("both --font and --output are required");
        return false;
    }
    if (line.sizeAuto &&
        (Contains(line.buildOptions, "--width") || Contains(line.buildOptions, "--height"))) {
        UsageError("--size-auto chooses the sheet's width and height; leave out --width and --height");
        return false;
    }
    return true;
}

// No file krfmake writes may land on a file it reads or on the other file it writes.
bool OutputsAreFree(const Options& options) {
    const std::string collision = FindCollision(
        {{"--font", options.fontPath}, {"--chars-file", options.charsFile}, {"--info", options.infoPath}},
        {{"--output", options.outputPath}, {"--preview", options.previewPath}});
    if (!collision.empty()) {
        UsageError(collision);
        return false;
    }
    return true;
}

} // namespace

ParseOutcome ParseOptions(int argc, char** argv, Options& options) {
    CommandLine line;
    std::string error;
    if (!ParseCommandLine(argc, argv, line, error)) {
        UsageError(error);
        return ParseOutcome::USAGE_ERROR;
    }
    if (line.help) {
        PrintHelp();
        return ParseOutcome::HELP_SHOWN;
    }
    if (!CheckCombination(line) ||
        !ParseNumber(line, "--size", line.size, 1, MAX_PIXEL_SIZE, options.pixelSize) ||
        !ParseNumber(line, "--width", line.width, 1, MAX_SHEET_SIDE, options.sheetWidth) ||
        !ParseNumber(line, "--height", line.height, 1, MAX_SHEET_SIDE, options.sheetHeight) ||
        !ParseNumber(line, "--padding", line.padding, 0, MAX_PADDING, options.padding)) {
        return ParseOutcome::USAGE_ERROR;
    }
    options.infoPath = line.info;
    options.fontPath = line.font;
    options.outputPath = line.output;
    options.name = line.name;
    options.chars = line.chars;
    options.charsFile = line.charsFile;
    options.previewPath = line.preview;
    options.sizeAuto = line.sizeAuto;
    return OutputsAreFree(options) ? ParseOutcome::RUN : ParseOutcome::USAGE_ERROR;
}
