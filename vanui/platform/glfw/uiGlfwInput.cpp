#include <vanui/uiContext.h>
#include <vanui/uiGlfwInput.h>

#define GLFW_INCLUDE_NONE
#include <GLFW/glfw3.h>

#include <cmath>

namespace {

unsigned ModifiersOf(int glfwMods) {
    unsigned modifiers = UIMOD_NONE;
    if ((glfwMods & GLFW_MOD_SHIFT) != 0) {
        modifiers |= UIMOD_SHIFT;
    }
    if ((glfwMods & GLFW_MOD_CONTROL) != 0) {
        modifiers |= UIMOD_CTRL;
    }
    if ((glfwMods & GLFW_MOD_ALT) != 0) {
        modifiers |= UIMOD_ALT;
    }
    return modifiers;
}

// The character callback carries no modifiers; the keys' last reported states stand in for them.
int ModsHeld(GLFWwindow* window) {
    const auto held = [window](int left, int right) {
        return glfwGetKey(window, left) == GLFW_PRESS || glfwGetKey(window, right) == GLFW_PRESS;
    };
    int mods = 0;
    if (held(GLFW_KEY_LEFT_SHIFT, GLFW_KEY_RIGHT_SHIFT)) {
        mods |= GLFW_MOD_SHIFT;
    }
    if (held(GLFW_KEY_LEFT_CONTROL, GLFW_KEY_RIGHT_CONTROL)) {
        mods |= GLFW_MOD_CONTROL;
    }
    if (held(GLFW_KEY_LEFT_ALT, GLFW_KEY_RIGHT_ALT)) {
        mods |= GLFW_MOD_ALT;
    }
    return mods;
}

uiMouseButton ButtonOf(int glfwButton) {
    switch (glfwButton) {
    case GLFW_MOUSE_BUTTON_LEFT:
        return uiMouseButton::Left;
    case GLFW_MOUSE_BUTTON_MIDDLE:
        return uiMouseButton::Middle;
    case GLFW_MOUSE_BUTTON_RIGHT:
        return uiMouseButton::Right;
    default:
        return uiMouseButton::Other;
    }
}

struct NamedKey {
    int glfwKey;
    uiKey key;
};

constexpr NamedKey namedKeys[] = {
    {GLFW_KEY_BACKSPACE, uiKey::Backspace}, {GLFW_KEY_DELETE, uiKey::Delete},
    {GLFW_KEY_ESCAPE, uiKey::Escape},       {GLFW_KEY_TAB, uiKey::Tab},
    {GLFW_KEY_ENTER, uiKey::Enter},         {GLFW_KEY_KP_ENTER, uiKey::Enter},
};

bool AnyButtonHeld(GLFWwindow* window) {
    for (int button = GLFW_MOUSE_BUTTON_1; button <= GLFW_MOUSE_BUTTON_LAST; ++button) {
        if (glfwGetMouseButton(window, button) == GLFW_PRESS) {
            return true;
        }
    }
    return false;
}

// One coordinate from the window's screen coordinates to the picture's pixels (unscaled in a
// window of no size, as a minimized one is). While a button is held GLFW follows the cursor
// outside the window, so the result is kept to a range an int holds with room to spare.
int PictureCoordinate(double position, int windowSize, int drawingSize) {
    constexpr double farOutside = 1e6;
    const double scaled = windowSize > 0 ? position * drawingSize / windowSize : position;
    if (!(scaled > -farOutside)) {
        return static_cast<int>(-farOutside);
    }
    return static_cast<int>(std::floor(std::fmin(scaled, farOutside)));
}

struct PicturePoint {
    int x;
    int y;
};

PicturePoint PictureOf(const uiContext& context, GLFWwindow* window, double x, double y) {
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    return {PictureCoordinate(x, width, context.DrawingWidth()),
            PictureCoordinate(y, height, context.DrawingHeight())};
}

} // namespace

// Any action but GLFW_PRESS is a release.
void uiGlfwMouseButton(uiContext& context, GLFWwindow* window, int glfwButton, int glfwAction) {
    double x = 0;
    double y = 0;
    glfwGetCursorPos(window, &x, &y);
    const PicturePoint point = PictureOf(context, window, x, y);
    context.MouseButton(ButtonOf(glfwButton),
                        glfwAction == GLFW_PRESS ? uiButtonAction::Press : uiButtonAction::Release, point.x,
                        point.y);
}

void uiGlfwCursorPos(uiContext& context, GLFWwindow* window, double x, double y) {
    const PicturePoint point = PictureOf(context, window, x, y);
    if (AnyButtonHeld(window)) {
        context.MouseDragged(point.x, point.y);
    } else {
        context.MouseMoved(point.x, point.y);
    }
}

void uiGlfwKey(uiContext& context, int glfwKey, int glfwAction, int glfwMods) {
    if (glfwAction != GLFW_PRESS && glfwAction != GLFW_REPEAT) {
        return;
    }
    for (const NamedKey& named : namedKeys) {
        if (named.glfwKey == glfwKey) {
            context.KeyPressed(named.key, ModifiersOf(glfwMods));
            return;
        }
    }
}

void uiGlfwChar(uiContext& context, GLFWwindow* window, unsigned int codePoint) {
    context.CharacterTyped(codePoint, ModifiersOf(ModsHeld(window)));
}
