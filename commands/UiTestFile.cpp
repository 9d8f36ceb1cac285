#include "UiTestFile.h"

#include "BenchToolkit.h"
#include "DataFolders.h"
#include "ProblemLog.h"
#include "UiTestScene.h"

#include <new>
#include <sstream>

namespace {

const char* const FOCUS_WIDGET = "Label6";
const char* const SAMPLE_FONT = "default.krf";

uiContextSettings SettingsFor(const std::string& fileName, uiTextures* textures) {
    uiContextSettings settings = BenchContextSettings(textures);
    settings.fontFolders = FontFoldersFor(fileName);
    settings.messages = QuietToolkitLog();
    return settings;
}

} // namespace

UiTestFile::UiTestFile(const std::string& fileName, uiTextures* textures, const std::string* text)
    : fileName(fileName), context(SettingsFor(fileName, textures)) {
    std::unique_ptr<VirtualTimer> timer(new (std::nothrow) VirtualTimer());
    clock = timer.get();
    context.SetClock(std::move(timer));
    if (text != nullptr) {
        std::istringstream input(*text);
        loaded = context.Parse(input, fileName);
    } else {
        loaded = context.LoadUiFile(fileName);
    }
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
    return ::ErrorLine(fileName, context.LoadError().line, ErrorMessage());
}

std::string UiTestFile::ErrorMessage() const {
    const uiLoadError& error = context.LoadError();
    return error.cause.empty() ? error.message : error.message + " (" + error.cause + ")";
}

std::vector<UiDiagnostic> UiTestFile::TakeDiagnostics(bool errorsOnly) {
    std::vector<UiDiagnostic> diagnostics;
    const auto warn = [&](const std::vector<std::string>& problems) {
        if (errorsOnly) {
            return;
        }
        for (const std::string& problem : problems) {
            diagnostics.push_back(
                UiDiagnostic{UiDiagnostic::Severity::Warning, 0, problem, WarningLine(fileName, problem)});
        }
    };
    warn(loadProblems);
    loadProblems.clear();
    if (!loaded) {
        diagnostics.push_back(
            UiDiagnostic{UiDiagnostic::Severity::Error, context.LoadError().line, ErrorMessage(), ErrorLine()});
    }
    warn(TakeProblems());
    return diagnostics;
}

bool UiTestFile::PrintDiagnostics(bool errorsOnly) {
    ::PrintDiagnostics(TakeDiagnostics(errorsOnly));
    return !loaded;
}
