// What the two test windows share of GLUT: a window that gives control back when it is closed.
// GLUT is initialised once, by the first window, with a copy of the program's arguments (so its
// own options such as -display count, and the caller's vector is left alone), and then kept for
// the rest of the process: this GLUT cannot be torn down and initialised again reliably (the
// third window of a run dies in an X protocol error), so each window is created on the same
// GLUT and destroyed when it is closed, and its events are run by a loop of our own.
//
// A window opens with OpenTestWindow, registers its callbacks and makes what it draws with,
// then runs RunTestWindow, which returns once the window has been closed. release runs just
// before the window goes, while its GL context is still current, so textures go with it.
#pragma once

// The display check, then an 800 x 600 window at (0, 0) with GLUT's display mode bits; false,
// with the console message of the display check, when no display can show it.
bool OpenTestWindow(const char* title, unsigned displayMode, int argc, char** argv);
// Runs the window's events and frames until it is closed, or until a stop signal has arrived
// (the window is then closed here); release (if not null) runs as it closes.
void RunTestWindow(void (*release)());
