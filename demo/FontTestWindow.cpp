#include "FontTestWindow.h"

#include "DisplayCheck.h"
#include "FontTestScene.h"
#include "uiFont.h"

#include <GL/glut.h>
#include <new>

namespace {

const char* const TITLE = "DREV GLFonts test";

// The test font lives for the rest of the process; the display callback reaches it here.
uiFont* testFont = nullptr;

void FontTestDisplay() {
    BeginFontTestFrame();
    if (testFont != nullptr) {
        DrawFontTestScene(*testFont);
    }
    glutSwapBuffers();
    glutPostRedisplay();
}

} // namespace

void RunFontTest(int& argc, char** argv) {
    if (!CheckDisplayFor(TITLE)) {
        return;
    }
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(800, 600);
    glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH);
    glutInit(&argc, argv);
    glutCreateWindow(TITLE);
    glutDisplayFunc(FontTestDisplay);

    testFont = new (std::nothrow) uiFont("Default.KRF");
    glutMainLoop();
}
