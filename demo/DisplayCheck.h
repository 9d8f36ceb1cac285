// GLUT ends the whole process when it cannot reach a display, which would lose the console
// session's settings. The windows ask here first, so that the menu can go on instead.
#pragma once

// True when the X display named by DISPLAY can be opened.
bool DisplayAvailable();

// Checks the display for a window command; when there is none, prints one line on the console,
// logs it and returns false.
bool CheckDisplayFor(const char* windowTitle);
