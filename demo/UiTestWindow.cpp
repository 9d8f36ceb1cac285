#include "UiTestWindow.h"

#include "BenchToolkit.h"
#include "GL1Frames.h"
#include "Log.h"
#include "Sleep.h"
#include "TestWindow.h"
#include "UiTestScene.h"
#include "WidgetInput.h"
#include <vanui/uiContext.h>
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <GL/freeglut.h>
#include <new>

using namespace drev;

namespace {

const char* const TITLE = "DREV vanui test";
const int FRAME_PAUSE_MS = 50;

// Made at setup, used by every callback, released when the window closes.
uiGLTextures textures;
uiContext* context = nullptr;
uiFont* sampleFont = nullptr;
UiTestFrameState frameState;
// What each frame draws; it keeps its buffers from frame to frame.
uiDrawList frameList;

void UiTestDisplay() {
    BeginUiTestFrame();
    frameList.Clear();
    if (context != nullptr) {
        DrawUiTestScene(frameList, *context, sampleFont, frameState);
    }
    uiGLBackend::Submit(frameList);
    glutSwapBuffers();
    glutPostRedisplay();
    if (context != nullptr) {
        AdvanceUiTestFrame(*context, frameState);
    }
    SleepMilliseconds(FRAME_PAUSE_MS);
}

uiContext* CurrentContext() {
    return context;
}

// Runs as the window closes, while its GL context is still current, so the fonts' textures go
// with it; the next window starts from a fresh context, font and frame count.
void UiTestClose() {
    delete context;
    context = nullptr;
    delete sampleFont;
    sampleFont = nullptr;
    frameState = UiTestFrameState();
}

} // namespace

void RunUiTestWindow(int argc, char** argv) {
    if (!OpenTestWindow(TITLE, GLUT_RGB | GLUT_DOUBLE | GLUT_DEPTH, argc, argv)) {
        return;
    }
    glutDisplayFunc(UiTestDisplay);
    ForwardInputTo(CurrentContext);

    // Fonts and the context's font table create GL textures: the window's GL context exists now.
    sampleFont = new (std::nothrow) uiFont("default.krf", &textures, &ToolkitLog());
    if (sampleFont == nullptr) {
        Log(LOG_TYPE_CRITICAL, "Memory allocation failure for the sample font of [%s]", TITLE);
    }
    context = new (std::nothrow) uiContext(BenchContextSettings(&textures));
    if (context == nullptr) {
        Log(LOG_TYPE_CRITICAL, "Memory allocation failure for the uiContext of [%s]", TITLE);
    } else {
        // Whatever the file built is shown; the loader has logged what went wrong.
        context->LoadUiFile("vantora.ui");
        context->SetDrawingArea(UI_TEST_WIDTH, UI_TEST_HEIGHT);
        context->SetFocus(context->FindWidget("Label6"));
    }
    RunTestWindow(UiTestClose);
}
