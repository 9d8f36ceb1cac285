#include "WidgetInput.h"

#include "UiTestScene.h"
#include <vanui/uiContext.h>
#include <vanui/uiGlutInput.h>

#include <GL/freeglut.h>

namespace {

uiContext* (*target)() = nullptr;

uiContext* Target() {
    return target != nullptr ? target() : nullptr;
}

void ToPicture(int& x, int& y) {
    WindowToPicture(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT), x, y);
}

void Keyboard(unsigned char key, int /*x*/, int /*y*/) {
    if (uiContext* context = Target()) {
        uiGlutKeyboard(*context, key, glutGetModifiers());
    }
}

void Mouse(int button, int state, int x, int y) {
    ToPicture(x, y);
    if (uiContext* context = Target()) {
        uiGlutMouse(*context, button, state, x, y);
    }
}

void Motion(int x, int y) {
    ToPicture(x, y);
    if (uiContext* context = Target()) {
        context->MouseDragged(x, y);
    }
}

void PassiveMotion(int x, int y) {
    ToPicture(x, y);
    if (uiContext* context = Target()) {
        context->MouseMoved(x, y);
    }
}

} // namespace

void ForwardInputTo(uiContext* (*currentContext)()) {
    target = currentContext;
    glutKeyboardFunc(Keyboard);
    glutMouseFunc(Mouse);
    glutMotionFunc(Motion);
    glutPassiveMotionFunc(PassiveMotion);
}
