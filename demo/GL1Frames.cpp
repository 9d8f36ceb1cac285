#include "GL1Frames.h"

#include "FontTestScene.h"
#include "UiTestScene.h"

#include <GL/gl.h>

// glOrtho with near -1 and far 1 is the projection gluOrtho2D sets.
void BeginUiTestFrame() {
    glClearColor(UI_TEST_BACKGROUND[0], UI_TEST_BACKGROUND[1], UI_TEST_BACKGROUND[2], 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, UI_TEST_WIDTH, UI_TEST_HEIGHT, 0, -1, 1);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

// glOrtho with near -1 and far 1 is the mapping gluOrtho2D sets.
void BeginFontTestFrame() {
    glClearColor(FONT_TEST_BACKGROUND[0], FONT_TEST_BACKGROUND[1], FONT_TEST_BACKGROUND[2], 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glClear(GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glOrtho(0, 800, 600, 0, -1, 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
}
