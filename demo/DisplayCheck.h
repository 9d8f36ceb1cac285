// GLUT ends the whole process when it cannot open its display or the display has no OpenGL
// (GLX), which would lose the console session's settings. The windows ask here first, so that
// the menu can go on instead.
#pragma once

// The display GLUT would open with these program arguments: the name after a "-display"
// option (the last one wins, as in GLUT), else the DISPLAY variable; empty when neither is set.
// missingName is set when "-display" is the last argument, which GLUT treats as fatal.
struct DisplayChoice {
    const char* name = "";
    bool missingName = false;
};
DisplayChoice ChooseDisplay(int argc, char** argv);

// True for the X options GLUT takes out of the program's arguments (-display NAME, -geometry WxH,
// -iconic, -direct, -indirect, -gldebug, -sync): a command line of these alone starts the bench.
bool IsGlutOption(const char* argument);

// True when the display can be opened and offers the GLX extension in version 1.3 or later,
// the version GLUT needs to create its windows.
bool DisplayAvailable(const DisplayChoice& display);

// Checks the display for a window command; when there is none, prints one line on the console,
// logs it and returns false.
bool CheckDisplayFor(const char* windowTitle, int argc, char** argv);
