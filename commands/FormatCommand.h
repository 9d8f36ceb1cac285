// drev fmt FILE...: lays each UI file out in the one layout of UiFormatter.h and replaces it
// whole, only when that changes it. A file that does not load is left alone and its error printed
// as drev check prints it. With --check nothing is written: the files that would change are
// named on standard output. "-" formats standard input to standard output.
#pragma once

#include <string>
#include <vector>

struct FormatOptions {
    std::vector<std::string> files;
    bool check = false;
    // The application log's file; empty for none.
    std::string logFile;
};

// The name "-" stands for standard input.
inline constexpr const char* STANDARD_INPUT_NAME = "-";

// 0 when every file is laid out (with --check: already was), 1 when a file does not load or
// (with --check) would change, 2 when a file could not be read or written.
int RunFormatCommand(const FormatOptions& options);
