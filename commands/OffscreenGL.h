// A GL context without a window or a display: Mesa's EGL on its surfaceless platform and a
// pbuffer of the picture's size, with the API a backend draws in: a compatibility context for
// the GL 1.1 backend, an OpenGL 3.2 core context or an OpenGL ES 2.0 context for the shader
// backend (llvmpipe gives all three), or an OpenGL ES 3 context for the shader backend's ES 3
// variant. Open makes the context current; the destructor releases
// the context, the surface, the display and the thread's EGL state. One open context at a time
// in a process: closing one ends the EGL display they would share.
#pragma once

#include "RgbImage.h"

#include <string>

enum class OffscreenContext { Compatibility, Core32, ES2, ES3 };

class OffscreenGL {
public:
    OffscreenGL() = default;
    ~OffscreenGL();
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    // A current GL context of the kind drawing into a width x height pbuffer. False with the
    // reason in error when EGL, its surfaceless platform, a suitable configuration or a context
    // of the kind is not available.
    bool Open(int width, int height, OffscreenContext kind, std::string& error);

    // GL_RENDERER and GL_VERSION of the open context.
    std::string Renderer() const;
    std::string Version() const;
    // The largest viewport the GL allows, from GL_MAX_VIEWPORT_DIMS.
    void MaxViewport(int& width, int& height) const;
    // The pbuffer's pixels, top row first (GL's first row is the bottom one).
    RgbImage ReadPixels() const;

private:
    void Close();

    void* display = nullptr;
    void* surface = nullptr;
    void* context = nullptr;
    bool initialized = false;
    int width = 0;
    int height = 0;
};
