// The UI context: construction, the tree's lookups, the animation clock and the frame, and the
// input that reaches the widgets (hit tests, the hover highlight, the pressed and released
// looks, the keyboard focus and the editing of the focus widget's value text). The value text
// echoes the input: the mouse position while hovering, "HIT" when pressed, the typed characters
// once focused. Loading lives in the loader (uiLoader).
#include <vanui/uiContext.h>

#include "Log.h"
#include "PerformanceTimer.h"
#include "uiLoader.h"
#include "uiTextCodes.h"

#include <new>
#include <string>

using namespace drev;

namespace {

constexpr int LEFT_BUTTON = 0;
constexpr int BUTTON_DOWN = 0;
constexpr int SHIFT_BIT = 1;

constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_TAB = 9;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_DELETE = 127;

// The machine's monotonic clock, through the performance timer.
class PerformanceClock : public uiClock {
public:
    double Seconds() override { return static_cast<double>(timer.Elapsed()); }

private:
    PerformanceTimer timer;
};

// Key codes are Latin-1 bytes; a code outside 0..255 is no character and changes nothing.
// Characters are added and removed whole, in the form the text is in (uiTextCodes.h).
void EditText(std::string& text, int key, int modifiers) {
    const bool shift = (modifiers & SHIFT_BIT) != 0;
    switch (key) {
    case KEY_BACKSPACE:
        vanui::RemoveLastCharacter(text);
        break;
    case KEY_TAB:
        if (shift) {
            text += '\t';
        }
        break;
    case KEY_ENTER:
        if (shift) {
            text += '\n';
        }
        break;
    case KEY_ESCAPE:
        text = "ESC";
        break;
    case KEY_DELETE:
        text.clear();
        break;
    default:
        if (key >= 0 && key <= 255) {
            vanui::AppendTypedCharacter(text, static_cast<unsigned char>(key));
        }
        break;
    }
}

} // namespace

// ---- Construction ----

// Members are built in declaration order: windows, the two colour tables, the clock and last the
// font table, whose fonts create GL textures.
uiContext::uiContext() : uiContext(uiContextSettings()) {}

uiContext::uiContext(uiContextSettings settings)
    : clock(new (std::nothrow) PerformanceClock()), fonts(std::move(settings.fontFolders)),
      quietLexicalErrors(settings.quietLexicalErrors) {
    if (!clock) {
        Log(LOG_TYPE_CRITICAL, "Memory allocation failure for Timer of uiContext");
    }
}

uiContext::~uiContext() = default;

bool uiContext::LoadUiFile(const std::string& fileName) {
    return uiLoader(*this).LoadFile(fileName);
}

bool uiContext::Parse(std::istream& input, const std::string& fileName) {
    return uiLoader(*this).Parse(input, fileName);
}

// ---- The tree ----

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

// ---- Frames ----

void uiContext::SetDrawingArea(int width, int height) {
    screenWidth = width;
    screenHeight = height;
}

void uiContext::SetClock(std::unique_ptr<uiClock> newClock) {
    clock = std::move(newClock);
}

// Without a clock (its allocation failed) the clock stays at 0.
void uiContext::Tick(uiDrawList& list) {
    const double seconds = clock ? clock->Seconds() : 0.0;
    if (!clockStarted) {
        clockStart = seconds;
        clockMs = 0.0;
        clockStarted = true;
    } else {
        clockMs = (seconds - clockStart) * 1000.0;
    }
    drawList = &list;
    for (const std::unique_ptr<uiGroup>& window : windows) {
        if (window->visible) {
            window->Update(clockMs);
        }
    }
    drawList = nullptr;
}

void uiContext::ResetClock() {
    clockStart = 0.0;
    clockMs = 0.0;
    clockStarted = false;
}

// ---- Input ----

// The children's visible flag is not consulted: a hidden child keeps the screenBox it was last
// drawn with.
uiWidget* uiContext::FindClickable(int x, int y) const {
    for (const std::unique_ptr<uiGroup>& window : windows) {
        if (!window->visible || !window->HitTest(x, y)) {
            continue;
        }
        for (const std::unique_ptr<uiWidget>& child : window->children) {
            if (child->clickable && child->HitTest(x, y)) {
                return child.get();
            }
        }
    }
    return nullptr;
}

void uiContext::MouseMoved(int x, int y) {
    mouseX = x;
    mouseY = y;
    if (hovered == nullptr || !hovered->HitTest(x, y)) {
        uiWidget* under = FindClickable(x, y);
        if (under != nullptr && under != hovered) {
            if (hovered != nullptr) {
                hovered->HighlightOff();
            }
            under->HighlightOn();
            hovered = under;
        } else if (under == nullptr && hovered != nullptr) {
            hovered->HighlightOff();
            hovered = nullptr;
        }
    }
    if (hovered != nullptr) {
        hovered->valueText.SetText(std::to_string(x) + " , " + std::to_string(y));
    }
}

void uiContext::MouseDragged(int x, int y) {
    mouseX = x;
    mouseY = y;
}

// The pressed widget stays remembered after its release, until a press on another clickable
// widget replaces it.
void uiContext::MouseButton(int button, int state, int x, int y) {
    mouseX = x;
    mouseY = y;
    if (button != LEFT_BUTTON) {
        return;
    }
    uiWidget* under = FindClickable(x, y);
    if (state == BUTTON_DOWN) {
        if (under != nullptr) {
            under->valueText.SetText("HIT");
            under->SetPressedLook();
            pressed = under;
            buttonDown = true;
        }
        return;
    }
    if (under != nullptr && under == pressed) {
        under->SetReleasedLook();
        if (focus != nullptr) {
            focus->CallHook(1);
        }
        focus = under;
        under->CallHook(0);
        under->CallHook(5);
    } else if (pressed != nullptr) {
        pressed->SetReleasedLook();
    }
    buttonDown = false;
}

void uiContext::KeyPressed(int key, int newModifiers) {
    modifiers = newModifiers;
    if (focus != nullptr) {
        EditText(focus->valueText.Text(), key, modifiers);
    }
}
