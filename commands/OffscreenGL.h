// A GL context without a window or a display: Mesa's EGL on its surfaceless platform, a pbuffer
// of the picture's size and the desktop GL API, so the toolkit's GL 1.1 calls run unchanged
// (llvmpipe's compatibility profile). Open makes the context current; the destructor releases
// the context, the surface, the display and the thread's EGL state.
#pragma once

#include "RgbImage.h"

#include <string>

class OffscreenGL {
public:
    OffscreenGL() = default;
    ~OffscreenGL();
    OffscreenGL(const OffscreenGL&) = delete;
    OffscreenGL& operator=(const OffscreenGL&) = delete;

    // A current GL context drawing into a width x height pbuffer. False with the reason in error
    // when EGL, its surfaceless platform or a suitable configuration is not available.
    bool Open(int width, int height, std::string& error);

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
