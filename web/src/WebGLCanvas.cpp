#include "WebGLCanvas.h"

#include <emscripten/html5.h>

namespace {

const int WEBGL_2 = 2;
const int WEBGL_1 = 1;

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;

EMSCRIPTEN_WEBGL_CONTEXT_HANDLE CreateContext(const char* canvasSelector, int version) {
    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.majorVersion = version;
    attributes.minorVersion = 0;
    attributes.alpha = EM_FALSE;
    attributes.antialias = EM_FALSE;
    attributes.preserveDrawingBuffer = EM_TRUE;
    return emscripten_webgl_create_context(canvasSelector, &attributes);
}

} // namespace

bool StartWebGLCanvas(const char* canvasSelector) {
    if (context > 0) {
        return true;
    }
    if (canvasSelector == nullptr) {
        return false;
    }
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE made = CreateContext(canvasSelector, WEBGL_2);
    if (made <= 0) {
        made = CreateContext(canvasSelector, WEBGL_1);
    }
    if (made <= 0 || emscripten_webgl_make_context_current(made) != EMSCRIPTEN_RESULT_SUCCESS) {
        return false;
    }
    context = made;
    return true;
}
