#include "DisplayCheck.h"

#include "Log.h"

#include <GL/glx.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace drev;

bool IsGlutOption(const char* argument) {
    static const char* const OPTIONS[] = {"-display", "-geometry", "-iconic", "-direct", "-indirect", "-gldebug", "-sync"};
    for (const char* option : OPTIONS) {
        if (std::strcmp(argument, option) == 0) {
            return true;
        }
    }
    return false;
}

DisplayChoice ChooseDisplay(int argc, char** argv) {
    DisplayChoice choice;
    const char* variable = std::getenv("DISPLAY");
    choice.name = variable != nullptr ? variable : "";
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-display") != 0) {
            continue;
        }
        if (i + 1 >= argc) {
            choice.name = "";
            choice.missingName = true;
            break;
        }
        choice.name = argv[++i];
    }
    return choice;
}

bool DisplayAvailable(const DisplayChoice& display) {
    if (display.missingName) {
        return false;
    }
    Display* connection = XOpenDisplay(display.name[0] != '\0' ? display.name : nullptr);
    if (connection == nullptr) {
        return false;
    }
    int errorBase = 0;
    int eventBase = 0;
    int major = 0;
    int minor = 0;
    const bool glx = glXQueryExtension(connection, &errorBase, &eventBase) &&
                     glXQueryVersion(connection, &major, &minor) && (major > 1 || (major == 1 && minor >= 3));
    XCloseDisplay(connection);
    return glx;
}

bool CheckDisplayFor(const char* windowTitle, int argc, char** argv) {
    const DisplayChoice display = ChooseDisplay(argc, argv);
    if (DisplayAvailable(display)) {
        return true;
    }
    std::printf("Cannot open the window \"%s\": no display [%s] is available.\n", windowTitle, display.name);
    std::fflush(stdout);
    Log(LOG_TYPE_ERROR, "Cannot open the window [%s]: no display [%s] is available.", windowTitle, display.name);
    return false;
}
