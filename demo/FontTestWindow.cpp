#include "FontTestWindow.h"

#include "BenchToolkit.h"
#include "FontTestScene.h"
#include "GL1Frames.h"
#include "TestWindow.h"
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <GL/freeglut.h>
#include <new>

namespace {

const char* const TITLE = "DREV GLFonts test";

// The test font lives as long as the window; the display callback reaches it here.
uiGLTextures textures;
uiFont* testFont = nullptr;
// What each frame draws; it keeps its buffers from frame to frame.
uiDrawList frameList;

void FontTestDisplay() {
    BeginFontTestFrame();
    frameList.Clear();
    if (testFont != nullptr) {
        DrawFontTestScene(frameList, *testFont);
    }
    uiGLBackend::Submit(frameList);
    glutSwapBuffers();
    glutPostRedisplay();
}

// Runs as the window closes, while its GL context is still current, so the font's texture goes with it.
void FontTestClose() {
    delete testFont;
    testFont = nullptr;
}

} // namespace

void RunFontTest(int argc, char** argv) {
    if (!OpenTestWindow(TITLE, GLUT_RGBA | GLUT_DOUBLE | GLUT_DEPTH, argc, argv)) {
        return;
    }
    glutDisplayFunc(FontTestDisplay);
    testFont = new (std::nothrow) uiFont("Default.KRF", &textures, &ToolkitLog());
    RunTestWindow(FontTestClose);
}
