// krfmake's command line: what to build (or which font to show) and how. ParseOptions is the
// one place that meets CLI11 and its exceptions; it prints the help or a one-line usage
// message itself.
#pragma once

#include <string>

struct Options {
    // Showing a font file instead of building one.
    std::string infoPath;

    std::string fontPath;
    std::string outputPath;
    std::string name;
    std::string chars; // a code list; empty means the default, unless a chars file is given
    std::string charsFile;
    std::string previewPath;
    int pixelSize = 12;
    int sheetWidth = 256;
    int sheetHeight = 128;
    bool sizeAuto = false;
    int padding = 1;
};

enum class ParseOutcome { RUN, HELP_SHOWN, USAGE_ERROR };

ParseOutcome ParseOptions(int argc, char** argv, Options& options);
