#include "TestWindow.h"

#include "DisplayCheck.h"
#include "StopSignal.h"

#include <GL/freeglut.h>

#include <string>
#include <vector>

using namespace drev;

namespace {

bool glutReady = false;
bool windowOpen = false;
void (*releaseWindow)() = nullptr;

// GLUT calls this when the window is being closed, with its GL context current; the window is
// destroyed right after it returns.
void CloseTestWindow() {
    if (releaseWindow != nullptr) {
        releaseWindow();
    }
    windowOpen = false;
}

// GLUT takes the options it knows out of the vector it is given; it gets a copy.
void InitGlut(int argc, char** argv) {
    std::vector<std::string> arguments(argv, argv + argc);
    std::vector<char*> vector;
    for (std::string& argument : arguments) {
        vector.push_back(&argument[0]);
    }
    vector.push_back(nullptr);
    int count = argc;
    glutInit(&count, vector.data());
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
    glutReady = true;
}

} // namespace

bool OpenTestWindow(const char* title, unsigned displayMode, int argc, char** argv) {
    if (!CheckDisplayFor(title, argc, argv)) {
        return false;
    }
    if (!glutReady) {
        InitGlut(argc, argv);
    }
    glutInitWindowPosition(0, 0);
    glutInitWindowSize(800, 600);
    glutInitDisplayMode(displayMode);
    glutCreateWindow(title);
    glutCloseFunc(CloseTestWindow);
    windowOpen = true;
    return true;
}

void RunTestWindow(void (*release)()) {
    releaseWindow = release;
    while (windowOpen) {
        if (StopSignalNumber() != 0) {
            // Destroying the window runs its close callback, as its close button would.
            glutDestroyWindow(glutGetWindow());
            break;
        }
        glutMainLoopEvent();
    }
    // GLUT has asked X to destroy the window but may still hold the request in its output
    // buffer; one more round of events sends it, so the window goes while the console runs.
    glutMainLoopEvent();
    releaseWindow = nullptr;
}
