// The UI context: construction, loading through the loader, the tree's lookups, the animation
// clock and the frame, and the input that reaches the widgets (hit tests, the hover highlight,
// the pressed and released looks, the keyboard focus and the editing of the focus widget's value
// text). With echoInput set, the value text also echoes the input: the mouse position while
// hovering, "HIT" when pressed, "ESC" on Escape.
#include <vanui/uiContext.h>

#include "PerformanceTimer.h"
#include "uiLoader.h"
#include "uiReport.h"
#include "uiTextCodes.h"
#include "uiWidgetNode.h"

#include <new>
#include <string>

namespace {

// The machine's monotonic clock, through the performance timer.
class PerformanceClock : public uiClock {
public:
    double Seconds() override { return static_cast<double>(timer.Elapsed()); }

private:
    drev::PerformanceTimer timer;
};

void EditText(std::string& text, uiKey key, unsigned modifiers, bool echoInput) {
    const bool shift = (modifiers & UIMOD_SHIFT) != 0;
    switch (key) {
    case uiKey::Backspace:
        vanui::RemoveLastCharacter(text);
        break;
    case uiKey::Tab:
        if (shift) {
            text += '\t';
        }
        break;
    case uiKey::Enter:
        if (shift) {
            text += '\n';
        }
        break;
    case uiKey::Escape:
        if (echoInput) {
            text = "ESC";
        }
        break;
    case uiKey::Delete:
        text.clear();
        break;
    }
}

// Runs a load into the context's parts and adopts the windows it made.
template <typename Read>
bool LoadInto(uiContextState& s, const std::string& fileName, Read read) {
    const size_t before = s.windows.size();
    uiLoader loader(uiLoadTarget{s.windows, s.colorTable, s.fonts, s.Messages(), s.echoInput});
    const bool loaded = read(loader);
    s.fileName = fileName;
    s.loadError = loader.Error();
    for (size_t i = before; i < s.windows.size(); ++i) {
        s.windows[i]->Adopt(s);
    }
    return loaded;
}

// The children's visible flag is not consulted: a hidden child keeps the screenBox it was last
// drawn with.
uiWidgetNode* FindClickableNode(const uiContextState& s, int x, int y) {
    for (const std::unique_ptr<uiWidgetNode>& window : s.windows) {
        if (!window->visible || !window->HitTest(x, y)) {
            continue;
        }
        for (const std::unique_ptr<uiWidgetNode>& child : window->children) {
            if (child->clickable && child->HitTest(x, y)) {
                return child.get();
            }
        }
    }
    return nullptr;
}

} // namespace

// ==== Construction and loading ====

// Members are built in declaration order: the sink, the tables, the clock and last the font
// table, whose fonts make their textures.
uiContextState::uiContextState(uiContextSettings settings)
    : messages(std::move(settings.messages)), echoInput(settings.echoInput), colorTable(Messages()),
      workColors(colorTable), clock(new (std::nothrow) PerformanceClock()),
      fonts(std::move(settings.fontFolders), settings.textures, Messages()) {
    if (!clock) {
        vanui::Report(Messages(), uiSeverity::Critical, "Memory allocation failure for Timer of uiContext");
    }
}

uiContext::uiContext(uiContextSettings settings) : state(std::make_unique<uiContextState>(std::move(settings))) {}

uiContext::~uiContext() = default;

bool uiContext::LoadUiFile(const std::string& fileName) {
    return LoadInto(*state, fileName, [&fileName](uiLoader& loader) { return loader.LoadFile(fileName); });
}

bool uiContext::Parse(std::istream& input, const std::string& fileName) {
    return LoadInto(*state, fileName, [&](uiLoader& loader) { return loader.Parse(input, fileName); });
}

const uiLoadError& uiContext::LoadError() const {
    return state->loadError;
}

// ==== The tree and its tables ====

size_t uiContext::WindowCount() const {
    return state->windows.size();
}

uiGroup* uiContext::Window(size_t index) const {
    return index < state->windows.size() ? state->windows[index].get() : nullptr;
}

uiGroup* uiContext::FindWindow(const std::string& windowName) const {
    return vanui::FindWindow(state->windows, windowName);
}

uiWidget* uiContext::FindWidget(const std::string& widgetName) const {
    for (const std::unique_ptr<uiWidgetNode>& window : state->windows) {
        if (!window->visible) {
            continue;
        }
        for (const std::unique_ptr<uiWidgetNode>& child : window->children) {
            if (child->name == widgetName) {
                return child.get();
            }
        }
    }
    return nullptr;
}

uiColorTable& uiContext::Colors() {
    return state->colorTable;
}

const uiColorTable& uiContext::Colors() const {
    return state->colorTable;
}

uiFontTable& uiContext::Fonts() {
    return state->fonts;
}

// ==== Frames ====

void uiContext::SetDrawingArea(int width, int height) {
    state->screenWidth = width;
    state->screenHeight = height;
}

int uiContext::DrawingWidth() const {
    return state->screenWidth;
}

int uiContext::DrawingHeight() const {
    return state->screenHeight;
}

void uiContext::SetClock(std::unique_ptr<uiClock> newClock) {
    state->clock = std::move(newClock);
}

// Without a clock (its allocation failed) the clock stays at 0.
void uiContext::Tick(uiDrawList& list) {
    uiContextState& s = *state;
    const double seconds = s.clock ? s.clock->Seconds() : 0.0;
    if (!s.clockStarted) {
        s.clockStart = seconds;
        s.clockMs = 0.0;
        s.clockStarted = true;
    } else {
        s.clockMs = (seconds - s.clockStart) * 1000.0;
    }
    s.drawList = &list;
    for (const std::unique_ptr<uiWidgetNode>& window : s.windows) {
        if (window->visible) {
            window->Update(s.clockMs);
        }
    }
    s.drawList = nullptr;
}

void uiContext::ResetClock() {
    state->clockStart = 0.0;
    state->clockMs = 0.0;
    state->clockStarted = false;
}

double uiContext::ClockMs() const {
    return state->clockMs;
}

// ==== Input ====

uiWidget* uiContext::FindClickable(int x, int y) const {
    return FindClickableNode(*state, x, y);
}

void uiContext::MouseMoved(int x, int y) {
    uiContextState& s = *state;
    s.mouseX = x;
    s.mouseY = y;
    if (s.hovered == nullptr || !s.hovered->HitTest(x, y)) {
        uiWidgetNode* under = FindClickableNode(s, x, y);
        if (under != nullptr && under != s.hovered) {
            if (s.hovered != nullptr) {
                s.hovered->HighlightOff();
            }
            under->HighlightOn();
            s.hovered = under;
        } else if (under == nullptr && s.hovered != nullptr) {
            s.hovered->HighlightOff();
            s.hovered = nullptr;
        }
    }
    if (s.hovered != nullptr && s.echoInput) {
        s.hovered->valueText.SetText(std::to_string(x) + " , " + std::to_string(y));
    }
}

void uiContext::MouseDragged(int x, int y) {
    state->mouseX = x;
    state->mouseY = y;
}

// The pressed widget stays remembered after its release, until a press on another clickable
// widget replaces it.
void uiContext::MouseButton(uiMouseButton button, uiButtonAction action, int x, int y) {
    uiContextState& s = *state;
    s.mouseX = x;
    s.mouseY = y;
    if (button != uiMouseButton::Left) {
        return;
    }
    uiWidgetNode* under = FindClickableNode(s, x, y);
    if (action == uiButtonAction::Press) {
        if (under != nullptr) {
            if (s.echoInput) {
                under->valueText.SetText("HIT");
            }
            under->SetPressedLook();
            s.pressed = under;
            s.buttonDown = true;
        }
        return;
    }
    if (under != nullptr && under == s.pressed) {
        under->SetReleasedLook();
        if (s.focus != nullptr) {
            s.focus->CallHook(UIHOOK_LOSE_FOCUS);
        }
        s.focus = under;
        under->CallHook(UIHOOK_TAKE_FOCUS);
        under->CallHook(UIHOOK_AFTER_FOCUS);
    } else if (s.pressed != nullptr) {
        s.pressed->SetReleasedLook();
    }
    s.buttonDown = false;
}

void uiContext::KeyPressed(uiKey key, unsigned modifiers) {
    state->modifiers = modifiers;
    if (state->focus != nullptr) {
        EditText(state->focus->valueText.Text(), key, modifiers, state->echoInput);
    }
}

void uiContext::CharacterTyped(uint32_t codePoint, unsigned modifiers) {
    state->modifiers = modifiers;
    if (state->focus != nullptr) {
        vanui::AppendTypedCharacter(state->focus->valueText.Text(), codePoint);
    }
}

uiWidget* uiContext::Hovered() const {
    return state->hovered;
}

uiWidget* uiContext::Pressed() const {
    return state->pressed;
}

uiWidget* uiContext::Focus() const {
    return state->focus;
}

// A widget is this context's when the context adopted it.
bool uiContext::SetFocus(uiWidget* widget) {
    if (widget == nullptr) {
        state->focus = nullptr;
        return true;
    }
    uiWidgetNode& node = Node(*widget);
    if (node.context != state.get()) {
        return false;
    }
    state->focus = &node;
    return true;
}

int uiContext::MouseX() const {
    return state->mouseX;
}

int uiContext::MouseY() const {
    return state->mouseY;
}

bool uiContext::ButtonDown() const {
    return state->buttonDown;
}

unsigned uiContext::Modifiers() const {
    return state->modifiers;
}
