#include "ViewCommand.h"

#include "BenchToolkit.h"
#include "DataFolders.h"
#include "ErrorBand.h"
#include "FileChecks.h"
#include "FileWatch.h"
#include "FontTestScene.h"
#include "GL1Frames.h"
#include "InputFiles.h"
#include "ProblemLog.h"
#include "Sleep.h"
#include "TestWindow.h"
#include "UiTestFile.h"
#include "UiTestScene.h"
#include "WidgetInput.h"
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <GL/freeglut.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <new>
#include <vector>

namespace {

enum ViewStatus { VIEW_CLOSED = 0, VIEW_IO_ERROR = 2 };

// The UI test window's pace: a frame, then 50 ms of rest.
const int FRAME_PAUSE_MS = 50;
const char* const BAND_FONT = "default.krf";

using Clock = std::chrono::steady_clock;

// Everything the window shows, made with its GL context current and released as it closes.
struct View {
    ViewOptions options;
    // First, so that it outlives every font below.
    uiGLTextures textures;
    // The last file that loaded whole (or the first attempt, when none has yet), and what it shows.
    std::unique_ptr<UiTestFile> ui;
    std::unique_ptr<uiFont> font;
    Clock::time_point shownSince;
    // The error line of the latest load, drawn in the band; empty when it loaded whole.
    std::string error;
    std::unique_ptr<uiFont> bandFont;
    FileWatch watch;
    // What each frame draws; it keeps its buffers from frame to frame.
    uiDrawList frame;
};

View* view = nullptr;

// A UI file that fails to load keeps the last good one on screen; the first attempt is shown
// whatever it built, as the UI test window does.
void LoadUi() {
    std::unique_ptr<UiTestFile> next(new (std::nothrow) UiTestFile(view->options.file, &view->textures));
    if (!next) {
        return;
    }
    next->PrintDiagnostics(false);
    view->error = next->ErrorLine();
    std::vector<std::string> watched{view->options.file};
    const std::vector<std::string>& fonts = next->Context().Fonts().TriedPaths();
    watched.insert(watched.end(), fonts.begin(), fonts.end());
    view->watch.Watch(watched);
    if (next->Loaded() || !view->ui) {
        view->ui = std::move(next);
        view->shownSince = Clock::now();
    }
}

// A font that fails to load keeps the last good one; its messages are errors of the file.
void LoadFont() {
    std::unique_ptr<uiFont> next(new (std::nothrow) uiFont(view->options.file, &view->textures, &QuietToolkitLog()));
    view->error.clear();
    for (const std::string& problem : TakeProblems()) {
        PrintError(view->options.file, 0, problem);
        view->error = ErrorLine(view->options.file, 0, problem);
    }
    view->watch.Watch({view->options.file});
    if ((next && next->IsLoaded()) || !view->font) {
        view->font = std::move(next);
    }
}

void Load() {
    if (view->options.input == InputKind::Font) {
        LoadFont();
    } else {
        LoadUi();
    }
}

double ShownMs() {
    return std::chrono::duration<double, std::milli>(Clock::now() - view->shownSince).count();
}

void ViewDisplay() {
    if (view->options.watch && view->watch.Changed()) {
        Load();
    }
    uiDrawList& list = view->frame;
    list.Clear();
    if (view->options.input == InputKind::Font) {
        BeginFontTestFrame();
        if (view->font) {
            DrawFontTestScene(list, *view->font);
        }
    } else {
        BeginUiTestFrame();
        if (view->ui) {
            view->ui->SetClock(ShownMs());
            view->ui->Context().Tick(list);
            // What the frames correct (a placement pulled back, an animation reset) is said once.
            for (const std::string& problem : TakeProblems()) {
                PrintWarning(view->options.file, problem);
            }
        }
    }
    if (!view->error.empty()) {
        DrawErrorBand(list, view->bandFont.get(), view->error);
    }
    uiGLBackend::Submit(list);
    glutSwapBuffers();
    glutPostRedisplay();
    SleepMilliseconds(FRAME_PAUSE_MS);
}

// F5 replays the animations from their start, as the UI test window does every 200 frames.
void ViewSpecialKey(int key, int /*x*/, int /*y*/) {
    if (key == GLUT_KEY_F5 && view->ui) {
        view->ui->Context().ResetClock();
    }
}

uiContext* ShownContext() {
    return view != nullptr && view->ui ? &view->ui->Context() : nullptr;
}

// Runs as the window closes, while its GL context is still current, so the textures go with it.
void ViewClose() {
    delete view;
    view = nullptr;
}

std::string BandFontPath() {
    const std::string folder = ShippedDataFolder();
    return folder.empty() ? BAND_FONT : folder + "/" + BAND_FONT;
}

std::unique_ptr<uiFont> OpenBandFont() {
    std::unique_ptr<uiFont> font(new (std::nothrow) uiFont(BandFontPath(), &view->textures, &QuietToolkitLog()));
    TakeProblems();
    return font && font->IsLoaded() ? std::move(font) : nullptr;
}

// The file shown, the fonts it names and the band's font.
std::vector<NamedFile> ViewInputs(const ViewOptions& options) {
    std::vector<NamedFile> inputs = InputFiles(options.file, options.input);
    inputs.push_back({"the font", BandFontPath()});
    return inputs;
}

} // namespace

int RunViewCommand(const ViewOptions& options) {
    std::string reason;
    if (!CanReadFile(options.file, reason)) {
        PrintError(options.file, 0, "cannot read the file: " + reason);
        return VIEW_IO_ERROR;
    }
    const std::string collision =
        options.logFile.empty() ? std::string() : FindCollision(ViewInputs(options), {{"--log", options.logFile}});
    if (!collision.empty()) {
        std::fprintf(stderr, "drev: %s\n", collision.c_str());
        return VIEW_IO_ERROR;
    }
    if (!StartProblemLog(options.logFile)) {
        return VIEW_IO_ERROR;
    }
    const std::string title = options.file + " - DREV view";
    char program[] = "drev";
    char* arguments[] = {program, nullptr};
    if (!OpenTestWindow(title.c_str(), GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH, 1, arguments)) {
        return VIEW_IO_ERROR;
    }
    view = new (std::nothrow) View();
    if (view == nullptr) {
        std::fputs("drev: out of memory\n", stderr);
        return VIEW_IO_ERROR;
    }
    view->options = options;
    view->bandFont = OpenBandFont();
    glutDisplayFunc(ViewDisplay);
    glutSpecialFunc(ViewSpecialKey);
    if (options.input == InputKind::Ui) {
        ForwardInputTo(ShownContext);
    }
    Load();
    RunTestWindow(ViewClose);
    return VIEW_CLOSED;
}
