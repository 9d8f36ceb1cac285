// The playground's entry: the C functions the page calls through cwrap, with UTF-8 strings and
// positions in picture pixels (800 x 600). The page writes the files into the module's memory
// file system before it asks for them: the shipped fonts under /data/, the edited text as
// /work/NAME.ui, dropped fonts into /work/. Fonts are looked up as drev check looks them up,
// in the UI file's folder and then in the shipped folder. Problem lines name a file as the
// page does, by its name alone (NAME.ui), and read exactly as drev check prints them.
//
// The toolkit is not built in yet: its core still calls GL 1.1 to make font textures, which
// WebGL lacks. Until it hands its textures to a backend, a load that finds its file reports
// that in its one problem line, and the frame, replay and input calls do nothing.
#include "FileChecks.h"
#include "ProblemLog.h"
#include "WebGLCanvas.h"

#include <emscripten/emscripten.h>

#include <filesystem>
#include <string>

namespace {

enum LoadStatus { LOAD_CLEAN = 0, LOAD_ERRORS = 1, LOAD_IO_ERROR = 2 };

const char* const NOT_BUILT = "the toolkit is not built into the playground yet";

// The last load's problem lines, joined by line feeds; what pg_problems lends the page.
std::string problems;

std::string PageName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int pg_start(const char* canvasSelector) {
    if (!StartProblemLog(std::string())) {
        return 1;
    }
    return StartWebGLCanvas(canvasSelector) ? 0 : 1;
}

EMSCRIPTEN_KEEPALIVE int pg_load(const char* path) {
    const std::string file = path != nullptr ? path : "";
    std::string reason;
    if (!CanReadFile(file, reason)) {
        problems = ErrorLine(PageName(file), 0, "cannot read the file: " + reason);
        return LOAD_IO_ERROR;
    }
    problems = ErrorLine(PageName(file), 0, NOT_BUILT);
    return LOAD_ERRORS;
}

EMSCRIPTEN_KEEPALIVE const char* pg_problems() {
    return problems.c_str();
}

EMSCRIPTEN_KEEPALIVE double pg_settled_ms() {
    return 0.0;
}

EMSCRIPTEN_KEEPALIVE void pg_frame(double /*ms*/, int /*replay*/) {}

EMSCRIPTEN_KEEPALIVE void pg_replay() {}

EMSCRIPTEN_KEEPALIVE void pg_mouse_move(int /*x*/, int /*y*/) {}

EMSCRIPTEN_KEEPALIVE void pg_mouse_button(int /*button*/, int /*down*/, int /*x*/, int /*y*/) {}

EMSCRIPTEN_KEEPALIVE void pg_key(int /*key*/, int /*modifiers*/) {}

} // extern "C"
