#include <vanui/uiContext.h>
#include <vanui/uiGlutInput.h>

#include <GL/freeglut.h>

namespace {

// GLUT's modifier bits happen to be the toolkit's; they are spelled out all the same.
unsigned ModifiersOf(int glutModifiers) {
    unsigned modifiers = UIMOD_NONE;
    if ((glutModifiers & GLUT_ACTIVE_SHIFT) != 0) {
        modifiers |= UIMOD_SHIFT;
    }
    if ((glutModifiers & GLUT_ACTIVE_CTRL) != 0) {
        modifiers |= UIMOD_CTRL;
    }
    if ((glutModifiers & GLUT_ACTIVE_ALT) != 0) {
        modifiers |= UIMOD_ALT;
    }
    return modifiers;
}

uiMouseButton ButtonOf(int glutButton) {
    switch (glutButton) {
    case GLUT_LEFT_BUTTON:
        return uiMouseButton::Left;
    case GLUT_MIDDLE_BUTTON:
        return uiMouseButton::Middle;
    case GLUT_RIGHT_BUTTON:
        return uiMouseButton::Right;
    default:
        return uiMouseButton::Other;
    }
}

} // namespace

void uiGlutKeyboard(uiContext& context, unsigned char key, int glutModifiers) {
    const unsigned modifiers = ModifiersOf(glutModifiers);
    switch (key) {
    case 8:
        context.KeyPressed(uiKey::Backspace, modifiers);
        break;
    case 9:
        context.KeyPressed(uiKey::Tab, modifiers);
        break;
    case 13:
        context.KeyPressed(uiKey::Enter, modifiers);
        break;
    case 27:
        context.KeyPressed(uiKey::Escape, modifiers);
        break;
    case 127:
        context.KeyPressed(uiKey::Delete, modifiers);
        break;
    default:
        context.CharacterTyped(key, modifiers);
        break;
    }
}

// Any state but GLUT_DOWN is a release.
void uiGlutMouse(uiContext& context, int glutButton, int glutState, int x, int y) {
    context.MouseButton(ButtonOf(glutButton), glutState == GLUT_DOWN ? uiButtonAction::Press : uiButtonAction::Release,
                        x, y);
}
