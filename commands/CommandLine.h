// The command line of drev when it is started with arguments: the author's commands check,
// render, view, fmt and lsp, --help and --version. Parsing is CLI11's; this is the only place
// that knows it (and the only place where its exceptions are caught).
#pragma once

#include "CheckCommand.h"
#include "FormatCommand.h"
#include "LspCommand.h"
#include "RenderCommand.h"
#include "ViewCommand.h"

#include <string>

enum class CommandChoice { UsageError, Help, Version, Check, Render, View, Format, Lsp };

struct CommandLine {
    CommandChoice choice = CommandChoice::UsageError;
    // One line saying what is wrong, for a usage error.
    std::string error;
    CheckOptions check;
    RenderOptions render;
    ViewOptions view;
    FormatOptions format;
    LspOptions lsp;
};

// The largest --at: ten minutes of frames, some sixty replays of the window's animations.
inline constexpr long long MAX_ANIMATION_TIME_MS = 600000;

CommandLine ParseCommandLine(int argc, const char* const* argv);
// The usage that --help prints and a usage error repeats.
const char* UsageText();
