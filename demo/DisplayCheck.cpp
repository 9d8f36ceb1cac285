#include "DisplayCheck.h"

#include "Log.h"

#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

bool DisplayAvailable() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        return false;
    }
    XCloseDisplay(display);
    return true;
}

bool CheckDisplayFor(const char* windowTitle) {
    if (DisplayAvailable()) {
        return true;
    }
    const char* name = std::getenv("DISPLAY");
    std::printf("Cannot open the window \"%s\": no display [%s] is available.\n", windowTitle,
                name != nullptr ? name : "");
    std::fflush(stdout);
    Log(LOG_TYPE_ERROR, "Cannot open the window [%s]: no display [%s] is available.", windowTitle,
        name != nullptr ? name : "");
    return false;
}
