// Mouse and keyboard input of the widget tree: hit tests, the hover highlight, the pressed and
// released looks, the keyboard focus and the editing of the focus widget's value text. The
// value text echoes the input: the mouse position while hovering, "HIT" when pressed, the
// typed characters once focused.
#include "uiContext.h"

#include <string>

namespace {

// Held once per process: the window that feeds events is one per process too.
uiWidget* hovered = nullptr;
uiWidget* pressed = nullptr;

constexpr int LEFT_BUTTON = 0;
constexpr int BUTTON_DOWN = 0;
constexpr int SHIFT_BIT = 1;

constexpr int KEY_BACKSPACE = 8;
constexpr int KEY_TAB = 9;
constexpr int KEY_ENTER = 13;
constexpr int KEY_ESCAPE = 27;
constexpr int KEY_DELETE = 127;

constexpr int PRESSED_ASPECT = 4;
constexpr int RELEASED_ASPECT = 3;

// Key codes are bytes; a code outside 0..255 is no character and changes nothing.
void EditText(std::string& text, int key, int modifiers) {
    const bool shift = (modifiers & SHIFT_BIT) != 0;
    switch (key) {
    case KEY_BACKSPACE:
        if (!text.empty()) {
            text.pop_back();
        }
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
            text += static_cast<char>(key);
        }
        break;
    }
}

} // namespace

// ---- Widgets ----

bool uiWidget::HitTest(int x, int y) const {
    return placed && screenBox.x1 < x && x < screenBox.x2 && screenBox.y1 < y && y < screenBox.y2;
}

void uiWidget::SetPressedLook() {
    style.Aspect = PRESSED_ASPECT;
}

void uiWidget::SetReleasedLook() {
    style.Aspect = RELEASED_ASPECT;
}

// ---- Input targets ----

uiWidget* uiContext::HoveredWidget() {
    return hovered;
}

uiWidget* uiContext::PressedWidget() {
    return pressed;
}

void uiContext::ResetInputTargets() {
    hovered = nullptr;
    pressed = nullptr;
}

uiContext::~uiContext() {
    if (Holds(hovered)) {
        hovered = nullptr;
    }
    if (Holds(pressed)) {
        pressed = nullptr;
    }
}

bool uiContext::Holds(const uiWidget* widget) const {
    if (widget == nullptr) {
        return false;
    }
    for (const std::unique_ptr<uiGroup>& window : windows) {
        if (window.get() == widget) {
            return true;
        }
        for (const std::unique_ptr<uiWidget>& child : window->children) {
            if (child.get() == widget) {
                return true;
            }
        }
    }
    return false;
}

// ---- Events ----

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
