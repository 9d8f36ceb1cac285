#include "uiGLContextKind.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const ES_PREFIX = "OpenGL ES ";

// "major.minor" at the start of text; false when it does not start so.
bool ReadMajorMinor(const char* text, int& major, int& minor) {
    char dot = 0;
    return std::sscanf(text, "%d%c%d", &major, &dot, &minor) == 3 && dot == '.' && major >= 0 && minor >= 0;
}

} // namespace

const char* uiGLContextKind::VariantName() const {
    switch (api) {
    case ES2:
        return webGL ? "WebGL 1" : "OpenGL ES 2.0";
    case ES3:
        return webGL ? "WebGL 2" : "OpenGL ES 3.x";
    case Desktop:
        break;
    }
    return "OpenGL 3.2+ core";
}

bool ReadGLContextKind(const char* version, uiGLContextKind& kind, std::string& error) {
    if (version == nullptr) {
        error = "no GL context is current (GL_VERSION is not available)";
        return false;
    }
    kind = uiGLContextKind();
    const bool es = std::strncmp(version, ES_PREFIX, std::strlen(ES_PREFIX)) == 0;
    const char* number = es ? version + std::strlen(ES_PREFIX) : version;
    if (!ReadMajorMinor(number, kind.major, kind.minor)) {
        error = std::string("GL_VERSION \"") + version + "\" names no version the shader backend knows";
        return false;
    }
    if (!es) {
        if (!kind.AtLeast(3, 2)) {
            error = std::string("OpenGL ") + std::to_string(kind.major) + "." + std::to_string(kind.minor) +
                    " is older than the 3.2 the shader backend needs";
            return false;
        }
        return true;
    }
    if (kind.major < 2) {
        error = std::string("OpenGL ES ") + std::to_string(kind.major) + "." + std::to_string(kind.minor) +
                " has no shaders; the shader backend needs OpenGL ES 2.0 or later";
        return false;
    }
    kind.api = kind.major == 2 ? uiGLContextKind::ES2 : uiGLContextKind::ES3;
    kind.webGL = std::strstr(version, "WebGL") != nullptr;
    return true;
}
