#include "uiContext.h"

#include "Log.h"
#include "PerformanceTimer.h"

using namespace drev;

// Members are built in declaration order: windows, the two colour tables, the timer, the
// clock and last the font table, whose fonts create GL textures.
uiContext::uiContext() : uiContext(uiContextSettings()) {}

uiContext::uiContext(uiContextSettings settings)
    : timer(CreateTimer()), fonts(std::move(settings.fontFolders)),
      quietLexicalErrors(settings.quietLexicalErrors) {
    if (!timer) {
        Log(LOG_TYPE_CRITICAL, "Memory allocation failure for Timer of uiContext");
    }
}

uiGroup* uiContext::FindWindow(const std::string& windowName) const {
    for (const std::unique_ptr<uiGroup>& window : windows) {
        if (window->name == windowName) {
            return window.get();
        }
    }
    return nullptr;
}

uiWidget* uiContext::FindWidget(const std::string& widgetName) const {
    for (const std::unique_ptr<uiGroup>& window : windows) {
        if (!window->visible) {
            continue;
        }
        for (const std::unique_ptr<uiWidget>& child : window->children) {
            if (child->name == widgetName) {
                return child.get();
            }
        }
    }
    return nullptr;
}

void uiContext::SetTimer(std::unique_ptr<Timer> newTimer) {
    timer = std::move(newTimer);
}

// Without a timer (its allocation failed) the clock stays at 0.
void uiContext::Tick() {
    const double seconds = timer ? static_cast<double>(timer->Elapsed()) : 0.0;
    if (!clockStarted) {
        clockStart = seconds;
        clockMs = 0.0;
        clockStarted = true;
    } else {
        clockMs = (seconds - clockStart) * 1000.0;
    }
    for (const std::unique_ptr<uiGroup>& window : windows) {
        if (window->visible) {
            window->Update(clockMs);
        }
    }
}

void uiContext::ResetClock() {
    clockStart = 0.0;
    clockMs = 0.0;
    clockStarted = false;
}
