// The playground's entry: the C functions the page calls through cwrap, with UTF-8 strings and
// positions in picture pixels (800 x 600). The page writes the files into the module's memory
// file system before it asks for them: the shipped fonts under /data/, the edited text as
// /work/NAME.ui, dropped fonts into /work/. The module works in /work, so files are named as the
// page names them (NAME.ui) and fonts are looked up as drev check looks them up: in the UI
// file's folder, then in the shipped folder. The problem lines read exactly as drev check prints
// them; the picture is what drev render draws (the widgets on the window's teal), live or at a
// moment, with the error band of a text that did not load over the last good one.
#include "BenchToolkit.h"
#include "DataFolders.h"
#include "ErrorBand.h"
#include "ProblemLog.h"
#include "ShaderFrameRenderer.h"
#include "UiFileCheck.h"
#include "UiTestFile.h"
#include "UiTestFrames.h"
#include "UiTestScene.h"
#include "WebGLCanvas.h"

#include <emscripten/emscripten.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <new>
#include <sstream>
#include <string>
#include <unistd.h>

namespace {

enum LoadStatus { LOAD_CLEAN = 0, LOAD_ERRORS = 1, LOAD_IO_ERROR = 2 };

const char* const WORK_FOLDER = "/work";
const char* const BAND_FONT = "default.krf";

// The page's key codes: a typed character's code point, or these for the named keys.
const int NAMED_KEYS = 5;
const uiKey KEYS[NAMED_KEYS] = {uiKey::Backspace, uiKey::Delete, uiKey::Escape, uiKey::Tab, uiKey::Enter};

// What the page shows: the last text that loaded whole (or the first attempt, when none has
// yet), the error line of the latest load, and the frame's list, which keeps its buffers.
struct Shown {
    ShaderFrameRenderer renderer;
    UiFileChecker checker;
    std::string name;
    std::string text;
    std::unique_ptr<UiTestFile> file;
    std::string errorLine;
    std::string problems;
    std::unique_ptr<uiFont> bandFont;
    uiDrawList list;
};

Shown* shown = nullptr;

std::string ReadText(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A new file of the text, its animations waiting at the start; null when out of memory.
std::unique_ptr<UiTestFile> NewFile(const std::string& name, const std::string& text) {
    std::unique_ptr<UiTestFile> file(new (std::nothrow) UiTestFile(name, &shown->renderer.Textures(), &text));
    TakeProblems();
    return file;
}

// The frame's list, with the error band over it, on the window's teal.
void ShowList(uiDrawList& list) {
    if (!shown->errorLine.empty()) {
        DrawErrorBand(list, shown->bandFont.get(), shown->errorLine);
    }
    shown->renderer.Begin(FramePicture::UiTest);
    shown->renderer.Submit(list);
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int pg_start(const char* canvasSelector) {
    if (shown != nullptr) {
        return 0;
    }
    std::string error;
    if (!StartWebGLCanvas(canvasSelector) || chdir(WORK_FOLDER) != 0) {
        return 1;
    }
    shown = new (std::nothrow) Shown();
    if (shown == nullptr || !shown->checker.Start(std::string(), {}) || !shown->renderer.Init(error)) {
        return 1;
    }
    shown->bandFont.reset(new (std::nothrow) uiFont(ShippedDataFolder() + "/" + BAND_FONT,
                                                    &shown->renderer.Textures(), &QuietToolkitLog()));
    TakeProblems();
    return 0;
}

EMSCRIPTEN_KEEPALIVE int pg_load(const char* path) {
    if (shown == nullptr || path == nullptr) {
        return LOAD_IO_ERROR;
    }
    const std::string name = std::filesystem::path(path).filename().string();
    const UiFileReport report = shown->checker.Check(name, nullptr, false);
    shown->problems.clear();
    for (const UiDiagnostic& diagnostic : report.diagnostics) {
        shown->problems += (shown->problems.empty() ? "" : "\n") + diagnostic.printed;
    }
    if (!report.readable) {
        return LOAD_IO_ERROR;
    }
    const std::string text = ReadText(name);
    std::unique_ptr<UiTestFile> next = NewFile(name, text);
    if (!next) {
        return LOAD_IO_ERROR;
    }
    shown->errorLine = next->ErrorLine();
    if (next->Loaded() || !shown->file) {
        shown->name = name;
        shown->text = text;
        shown->file = std::move(next);
    }
    return report.HasError() ? LOAD_ERRORS : LOAD_CLEAN;
}

EMSCRIPTEN_KEEPALIVE const char* pg_problems() {
    return shown != nullptr ? shown->problems.c_str() : "";
}

EMSCRIPTEN_KEEPALIVE double pg_settled_ms() {
    return shown != nullptr && shown->file ? SettledFrameTime(shown->file->Context()) : 0.0;
}

// replay: the frames every 50 ms from the start up to the moment and then the moment, as drev
// render --at draws them; the replayed file is shown from then on. Otherwise the moment on the
// live clock of the shown file.
EMSCRIPTEN_KEEPALIVE void pg_frame(double ms, int replay) {
    if (shown == nullptr) {
        return;
    }
    if (!shown->file) {
        shown->list.Clear();
        ShowList(shown->list);
        return;
    }
    if (replay != 0) {
        std::unique_ptr<UiTestFile> file = NewFile(shown->name, shown->text);
        if (file) {
            shown->file = std::move(file);
            UiTestFrames frames(*shown->file, nullptr, false);
            frames.PlayUpTo(ms, shown->renderer);
            frames.Record(ms);
            TakeProblems();
            shown->list = frames.List();
        }
    } else {
        shown->file->SetClock(ms);
        shown->list.Clear();
        shown->file->Context().Tick(shown->list);
        TakeProblems();
    }
    ShowList(shown->list);
}

EMSCRIPTEN_KEEPALIVE void pg_replay() {
    if (shown != nullptr && shown->file) {
        shown->file->Context().ResetClock();
    }
}

// A move with any button held is a drag, as in the UI test window.
EMSCRIPTEN_KEEPALIVE void pg_mouse_move(int x, int y, int held) {
    if (shown != nullptr && shown->file) {
        uiContext& context = shown->file->Context();
        if (held != 0) {
            context.MouseDragged(x, y);
        } else {
            context.MouseMoved(x, y);
        }
    }
}

// Buttons as DOM's MouseEvent.button numbers them: 0 left, 1 middle, 2 right.
EMSCRIPTEN_KEEPALIVE void pg_mouse_button(int button, int down, int x, int y) {
    if (shown == nullptr || !shown->file) {
        return;
    }
    const uiMouseButton buttons[3] = {uiMouseButton::Left, uiMouseButton::Middle, uiMouseButton::Right};
    shown->file->Context().MouseButton(button >= 0 && button < 3 ? buttons[button] : uiMouseButton::Other,
                                       down != 0 ? uiButtonAction::Press : uiButtonAction::Release, x, y);
}

// A key is a typed character's code point, or -1 Backspace, -2 Delete, -3 Escape, -4 Tab,
// -5 Enter; modifiers are the toolkit's bits (Shift 1, Ctrl 2, Alt 4).
EMSCRIPTEN_KEEPALIVE void pg_key(int key, int modifiers) {
    if (shown == nullptr || !shown->file) {
        return;
    }
    uiContext& context = shown->file->Context();
    const unsigned bits = static_cast<unsigned>(modifiers) & (UIMOD_SHIFT | UIMOD_CTRL | UIMOD_ALT);
    if (key >= 0) {
        context.CharacterTyped(static_cast<uint32_t>(key), bits);
    } else if (-key <= NAMED_KEYS) {
        context.KeyPressed(KEYS[-key - 1], bits);
    }
}

} // extern "C"
