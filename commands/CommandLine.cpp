#include "CommandLine.h"

#include "PngFile.h"

#include <CLI/CLI.hpp>

#include <cstdlib>
#include <iterator>
#include <vector>

namespace {

const char* const USAGE =
    "usage:\n"
    "drev                                   the console test bench, as today\n"
    "drev view FILE [--watch]               open FILE (a .ui or a .krf) in a window\n"
    "drev check FILE.ui...                  load each UI file without any window; print its problems\n"
    "drev render FILE -o OUT.png [options]  draw one frame of FILE (a .ui or a .krf) into a PNG, off-screen\n"
    "drev fmt FILE.ui... [--check]          lay each UI file out in the one layout (\"-\": standard input to output)\n"
    "drev lsp                               the language server for editors, on standard input and output\n"
    "drev --help | --version\n"
    "\n"
    "render options:\n"
    "  --at MS               the animation time in milliseconds (default: once every animation has ended)\n"
    "  --size WxH            the picture's size, each side 1 to 8192 (default 800x600); the picture is\n"
    "                        laid out for 800 x 600 and scaled\n"
    "  --scene               a .ui file: the whole UI test window (backdrop, widgets, sample text, glyph\n"
    "                        sheet) instead of its widgets alone\n"
    "  --compare GOLDEN.png  fail when the picture differs from GOLDEN.png; the differences are then\n"
    "                        marked in OUT-diff.png\n"
    "  --tolerance N         how far (0 to 255) a channel may differ and the pixel still match (default 3)\n"
    "  --max-pixels N        how many pixels may differ before the compare fails (default 0)\n"
    "  --update              write the picture over GOLDEN.png instead of failing (gl1 only: the\n"
    "                        goldens are the GL 1.1 backend's pictures)\n"
    "  --backend NAME        gl1: the GL 1.1 backend in a compatibility context (default); gl3: the\n"
    "                        shader backend in an OpenGL 3.2 core context; gles2: the shader backend\n"
    "                        in an OpenGL ES 2.0 context\n"
    "check options:\n"
    "  --quiet               print errors only\n"
    "fmt options:\n"
    "  --check               change nothing; name each file that would change (exit status 1 if any)\n"
    "every command:\n"
    "  --log FILE            write the application log to FILE (otherwise no log file is written)\n"
    "\n"
    "exit status: 0 success, 1 the input has errors or the compare failed, 2 usage or I/O error\n";

// "WxH" with both sides from 1 to PNG_MAX_SIDE; false with the reason otherwise.
bool ParseSize(const std::string& text, int& width, int& height, std::string& error) {
    const size_t cross = text.find('x');
    const auto side = [](const std::string& digits, int& value) {
        if (digits.empty() || digits.size() > 6 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            return false;
        }
        value = std::atoi(digits.c_str());
        return true;
    };
    if (cross == std::string::npos || !side(text.substr(0, cross), width) ||
        !side(text.substr(cross + 1), height)) {
        error = "--size: '" + text + "' is not WIDTHxHEIGHT, e.g. 800x600";
        return false;
    }
    if (width < 1 || height < 1 || width > PNG_MAX_SIDE || height > PNG_MAX_SIDE) {
        error = "--size: each side must be from 1 to " + std::to_string(PNG_MAX_SIDE) + ", not " + text;
        return false;
    }
    return true;
}

// What render draws depends on the input's kind, by its extension; options that only a UI file
// takes are refused for a font. False with the reason when the input does not suit.
bool ReadInputKind(const std::string& file, InputKind& input, std::string& error) {
    const std::optional<InputKind> kind = InputKindOf(file);
    if (!kind) {
        error = file + " is neither a UI file (.ui) nor a font (.krf)";
        return false;
    }
    input = *kind;
    return true;
}

bool ReadRenderInput(RenderOptions& options, std::string& error) {
    if (!ReadInputKind(options.file, options.input, error)) {
        return false;
    }
    if (options.input == InputKind::Font && (options.scene || options.atMs >= 0)) {
        error = "--at and --scene draw a UI file, and " + options.file + " is a font";
        return false;
    }
    return true;
}

RenderBackend BackendNamed(const std::string& name) {
    for (int backend = 0; backend < static_cast<int>(std::size(RENDER_BACKEND_NAMES)); ++backend) {
        if (name == RENDER_BACKEND_NAMES[backend]) {
            return static_cast<RenderBackend>(backend);
        }
    }
    return RenderBackend::GL1;
}

// A subcommand whose -h and --help set help, like the program's own.
CLI::App* AddCommand(CLI::App& app, const char* name, bool& help) {
    CLI::App* command = app.add_subcommand(name);
    command->set_help_flag();
    command->add_flag("-h,--help", help);
    return command;
}

void AddLogOption(CLI::App& command, std::string& logFile) {
    command.add_option("--log", logFile, "write the application log to FILE");
}

} // namespace

const char* UsageText() {
    return USAGE;
}

CommandLine ParseCommandLine(int argc, const char* const* argv) {
    CommandLine line;
    bool help = false;
    bool version = false;
    std::string size;
    std::string backend = RenderBackendName(RenderBackend::GL1);
    const CLI::App* check = nullptr;
    const CLI::App* render = nullptr;
    const CLI::App* view = nullptr;
    const CLI::App* format = nullptr;
    const CLI::App* lsp = nullptr;

    CLI::App app("", "drev");
    try {
        app.set_help_flag();
        app.add_flag("-h,--help", help);
        app.add_flag("--version", version);
        app.require_subcommand(0, 1);

        CLI::App* checkCommand = AddCommand(app, "check", help);
        checkCommand->add_option("FILE", line.check.files)->required();
        checkCommand->add_flag("--quiet", line.check.quiet);
        AddLogOption(*checkCommand, line.check.logFile);
        check = checkCommand;

        CLI::App* renderCommand = AddCommand(app, "render", help);
        renderCommand->add_option("FILE", line.render.file)->required();
        renderCommand->add_option("-o", line.render.output)->required();
        renderCommand->add_option("--at", line.render.atMs)->check(CLI::Range(0LL, MAX_ANIMATION_TIME_MS));
        renderCommand->add_option("--size", size);
        renderCommand->add_flag("--scene", line.render.scene);
        CLI::Option* compare = renderCommand->add_option("--compare", line.render.golden);
        renderCommand->add_option("--tolerance", line.render.tolerance)
            ->check(CLI::Range(0, 255))
            ->needs(compare);
        renderCommand->add_option("--max-pixels", line.render.maxPixels)
            ->check(CLI::NonNegativeNumber)
            ->needs(compare);
        renderCommand->add_flag("--update", line.render.update)->needs(compare);
        renderCommand->add_option("--backend", backend)
            ->check(CLI::IsMember(std::vector<std::string>(std::begin(RENDER_BACKEND_NAMES),
                                                           std::end(RENDER_BACKEND_NAMES))));
        AddLogOption(*renderCommand, line.render.logFile);
        render = renderCommand;

        CLI::App* viewCommand = AddCommand(app, "view", help);
        viewCommand->add_option("FILE", line.view.file)->required();
        viewCommand->add_flag("--watch", line.view.watch);
        AddLogOption(*viewCommand, line.view.logFile);
        view = viewCommand;

        CLI::App* formatCommand = AddCommand(app, "fmt", help);
        formatCommand->add_option("FILE", line.format.files)->required();
        formatCommand->add_flag("--check", line.format.check);
        AddLogOption(*formatCommand, line.format.logFile);
        format = formatCommand;

        // Clients that start their server "over stdio" may say so with --stdio.
        CLI::App* lspCommand = AddCommand(app, "lsp", help);
        lspCommand->add_flag("--stdio");
        AddLogOption(*lspCommand, line.lsp.logFile);
        lsp = lspCommand;

        app.parse(argc, argv);
    } catch (const CLI::Error& failure) {
        // A required argument missing is no usage error when help was asked for.
        if (help) {
            line.choice = CommandChoice::Help;
            return line;
        }
        line.error = failure.what();
        return line;
    }

    if (help) {
        line.choice = CommandChoice::Help;
    } else if (version) {
        line.choice = CommandChoice::Version;
    } else if (check->parsed()) {
        line.choice = CommandChoice::Check;
    } else if (format->parsed()) {
        line.choice = CommandChoice::Format;
    } else if (lsp->parsed()) {
        line.choice = CommandChoice::Lsp;
    } else if (view->parsed()) {
        if (ReadInputKind(line.view.file, line.view.input, line.error)) {
            line.choice = CommandChoice::View;
        }
    } else if (!render->parsed()) {
        line.error = "no command given";
    } else if (line.render.output.empty()) {
        line.error = "-o: the output file name is empty";
    } else if (!size.empty() && !ParseSize(size, line.render.width, line.render.height, line.error)) {
        return line;
    } else if (line.render.update && backend != RenderBackendName(RenderBackend::GL1)) {
        line.error = "--update: the goldens hold the gl1 backend's pictures, and --backend " + backend +
                     " draws another";
    } else if (ReadRenderInput(line.render, line.error)) {
        line.render.backend = BackendNamed(backend);
        line.choice = CommandChoice::Render;
    }
    return line;
}
