#include "UiTestFile.h"

#include "BenchToolkit.h"
#include "DataFolders.h"
#include "ProblemLog.h"
#include "UiTestScene.h"

#include <cstdio>
#include <new>

namespace {

const char* const FOCUS_WIDGET = "Label6";
const char* const SAMPLE_FONT = "default.krf";

uiContextSettings SettingsFor(const std::string& fileName, uiTextures* textures) {
    uiContextSettings settings;
    settings.fontFolders = FontFoldersFor(fileName);
    settings.textures = textures;
    settings.messages = QuietToolkitLog();
    settings.echoInput = true;
    return settings;
}

} // namespace

UiTestFile::UiTestFile(const std::string& fileName, uiTextures* textures)
    : fileName(fileName), context(SettingsFor(fileName, textures)) {
    std::unique_ptr<VirtualTimer> timer(new (std::nothrow) VirtualTimer());
    clock = timer.get();
    context.SetClock(std::move(timer));
    loaded = context.LoadUiFile(fileName);
    context.SetDrawingArea(UI_TEST_WIDTH, UI_TEST_HEIGHT);
    context.SetFocus(context.FindWidget(FOCUS_WIDGET));

    // The load's error and the message that caused it are printed as one error line.
    loadProblems = TakeProblems();
    const uiLoadError& error = context.LoadError();
    if (!loaded && !loadProblems.empty() && loadProblems.back() == error.message) {
        loadProblems.pop_back();
        if (!error.cause.empty() && !loadProblems.empty() && loadProblems.back() == error.cause) {
            loadProblems.pop_back();
        }
    }
}

void UiTestFile::SetClock(double milliseconds) {
    if (clock != nullptr) {
        clock->SetMilliseconds(milliseconds);
    }
}

std::unique_ptr<uiFont> UiTestFile::OpenSampleFont() {
    return context.Fonts().OpenFont(SAMPLE_FONT);
}

std::string UiTestFile::ErrorLine() const {
    if (loaded) {
        return std::string();
    }
    const uiLoadError& error = context.LoadError();
    return ::ErrorLine(fileName, error.line,
                       error.cause.empty() ? error.message : error.message + " (" + error.cause + ")");
}

bool UiTestFile::PrintDiagnostics(bool errorsOnly) {
    if (!errorsOnly) {
        for (const std::string& problem : loadProblems) {
            PrintWarning(fileName, problem);
        }
    }
    loadProblems.clear();
    if (!loaded) {
        std::fprintf(stderr, "%s\n", ErrorLine().c_str());
    }
    const std::vector<std::string> frameProblems = TakeProblems();
    if (!errorsOnly) {
        for (const std::string& problem : frameProblems) {
            PrintWarning(fileName, problem);
        }
    }
    return !loaded;
}
