#include "OffscreenGL.h"

#include <cstdlib>

#include <EGL/egl.h>
#include <EGL/eglext.h>
#define GL_GLEXT_PROTOTYPES 1
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdio>
#include <cstring>
#include <iterator>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace {

bool HasExtension(const char* extensions, const char* name) {
    if (extensions == nullptr) {
        return false;
    }
    const size_t length = std::strlen(name);
    for (const char* at = std::strstr(extensions, name); at != nullptr; at = std::strstr(at + length, name)) {
        const bool startsWord = at == extensions || at[-1] == ' ';
        const bool endsWord = at[length] == ' ' || at[length] == '\0';
        if (startsWord && endsWord) {
            return true;
        }
    }
    return false;
}

std::string GlString(GLenum name) {
    const GLubyte* text = glGetString(name);
    return text != nullptr ? reinterpret_cast<const char*>(text) : std::string();
}

// The step and EGL's error, by its name where EGL 1.5 names it.
std::string EglFailure(const std::string& step) {
    static const char* const NAMES[] = {
        "EGL_SUCCESS",        "EGL_NOT_INITIALIZED",   "EGL_BAD_ACCESS",        "EGL_BAD_ALLOC",
        "EGL_BAD_ATTRIBUTE",  "EGL_BAD_CONFIG",        "EGL_BAD_CONTEXT",       "EGL_BAD_CURRENT_SURFACE",
        "EGL_BAD_DISPLAY",    "EGL_BAD_MATCH",         "EGL_BAD_NATIVE_PIXMAP", "EGL_BAD_NATIVE_WINDOW",
        "EGL_BAD_PARAMETER",  "EGL_BAD_SURFACE",       "EGL_CONTEXT_LOST",
    };
    const EGLint error = eglGetError();
    const EGLint index = error - EGL_SUCCESS;
    if (index >= 0 && index < static_cast<EGLint>(std::size(NAMES))) {
        return step + " failed (" + NAMES[index] + ")";
    }
    char code[16];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(error));
    return step + " failed (EGL error " + code + ")";
}

// llvmpipe sets itself up on its first draw and keeps two small blocks of that set-up only in
// static data of its driver module, which eglTerminate unloads; LeakSanitizer then finds them
// unreferenced at exit. The sanitizer build makes that first draw here, an empty triangle, with
// leak detection off for it alone, so the leak check stays on for everything DREV allocates.
// Drawn without a program or arrays, it is valid in every kind of context; a core context
// needs a vertex array bound for it.
void SetUpDriver([[maybe_unused]] bool needsVertexArray) {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
    GLuint vertexArray = 0;
    if (needsVertexArray) {
        glGenVertexArrays(1, &vertexArray);
        glBindVertexArray(vertexArray);
    }
    glDrawArrays(GL_TRIANGLES, 0, 3);
    glFinish();
    if (needsVertexArray) {
        glBindVertexArray(0);
        glDeleteVertexArrays(1, &vertexArray);
    }
    __lsan_enable();
#endif
}

// Asked for OpenGL ES 2.0, Mesa gives the newest it has (3.2), whose shaders and textures the
// shader backend would take instead. MESA_GLES_VERSION_OVERRIDE keeps a display's OpenGL ES at
// 2.0; Mesa reads it as the display is initialized, so it is set for that call alone, unless the
// user set it.
bool InitializeDisplay(EGLDisplay display, OffscreenContext kind) {
    const char* const override = "MESA_GLES_VERSION_OVERRIDE";
    const bool keepAt20 = kind == OffscreenContext::ES2 && std::getenv(override) == nullptr;
    if (keepAt20) {
        setenv(override, "2.0", 1);
    }
    const bool initialized = eglInitialize(display, nullptr, nullptr) == EGL_TRUE;
    if (keepAt20) {
        unsetenv(override);
    }
    return initialized;
}

bool IsES(OffscreenContext kind) {
    return kind == OffscreenContext::ES2 || kind == OffscreenContext::ES3;
}

const char* ApiName(OffscreenContext kind) {
    switch (kind) {
    case OffscreenContext::Core32:
        return "OpenGL 3.2 core";
    case OffscreenContext::ES2:
        return "OpenGL ES 2.0";
    case OffscreenContext::ES3:
        return "OpenGL ES 3";
    case OffscreenContext::Compatibility:
        break;
    }
    return "desktop OpenGL";
}

// The attributes eglCreateContext takes for the kind; null for EGL's default, the
// compatibility context.
const EGLint* ContextAttributes(OffscreenContext kind) {
    static const EGLint core[] = {EGL_CONTEXT_MAJOR_VERSION, 3, EGL_CONTEXT_MINOR_VERSION, 2,
                                  EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_CORE_PROFILE_BIT, EGL_NONE};
    static const EGLint es2[] = {EGL_CONTEXT_CLIENT_VERSION, 2, EGL_NONE};
    static const EGLint es3[] = {EGL_CONTEXT_CLIENT_VERSION, 3, EGL_NONE};
    switch (kind) {
    case OffscreenContext::Core32:
        return core;
    case OffscreenContext::ES2:
        return es2;
    case OffscreenContext::ES3:
        return es3;
    case OffscreenContext::Compatibility:
        break;
    }
    return nullptr;
}

} // namespace

OffscreenGL::~OffscreenGL() {
    Close();
}

bool OffscreenGL::Open(int pictureWidth, int pictureHeight, OffscreenContext kind, std::string& error) {
    Close();
    // llvmpipe draws a 64 x 64 tile with a faster fixed-point rasterizer when every draw that
    // touches the tile allows it; which tiles qualify depends on how the draws happen to be
    // grouped, and its colours can differ by one. A picture that goldens hold to the pixel is
    // drawn with that rasterizer off; whoever sets LP_PERF keeps their own choice.
    setenv("LP_PERF", "no_rast_linear", 0);
    const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
    if (!HasExtension(clientExtensions, "EGL_MESA_platform_surfaceless") ||
        !HasExtension(clientExtensions, "EGL_EXT_platform_base")) {
        error = "EGL has no surfaceless platform (Mesa's libegl-mesa0 is needed)";
        return false;
    }
    const auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (getPlatformDisplay == nullptr) {
        error = "EGL does not offer eglGetPlatformDisplayEXT";
        return false;
    }
    EGLDisplay eglDisplay = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (eglDisplay == EGL_NO_DISPLAY) {
        error = EglFailure("eglGetPlatformDisplayEXT");
        return false;
    }
    display = eglDisplay;
    if (!InitializeDisplay(eglDisplay, kind)) {
        error = EglFailure("eglInitialize");
        return false;
    }
    initialized = true;

    // clang-format off
    const EGLint configAttributes[] = {
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
        EGL_RENDERABLE_TYPE, kind == OffscreenContext::ES3 ? EGL_OPENGL_ES3_BIT
                             : kind == OffscreenContext::ES2 ? EGL_OPENGL_ES2_BIT : EGL_OPENGL_BIT,
        EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8, EGL_ALPHA_SIZE, 8,
        EGL_NONE,
    };
    // clang-format on
    EGLConfig config = nullptr;
    EGLint configCount = 0;
    if (eglChooseConfig(eglDisplay, configAttributes, &config, 1, &configCount) != EGL_TRUE ||
        configCount < 1) {
        error = std::string("EGL has no RGBA8 pbuffer configuration for ") + ApiName(kind);
        return false;
    }
    const EGLint surfaceAttributes[] = {EGL_WIDTH, pictureWidth, EGL_HEIGHT, pictureHeight, EGL_NONE};
    EGLSurface eglSurface = eglCreatePbufferSurface(eglDisplay, config, surfaceAttributes);
    if (eglSurface == EGL_NO_SURFACE) {
        error = EglFailure("eglCreatePbufferSurface");
        return false;
    }
    surface = eglSurface;
    const bool es = IsES(kind);
    if (eglBindAPI(es ? EGL_OPENGL_ES_API : EGL_OPENGL_API) != EGL_TRUE) {
        error = EglFailure(es ? "eglBindAPI(EGL_OPENGL_ES_API)" : "eglBindAPI(EGL_OPENGL_API)");
        return false;
    }
    EGLContext eglContext = eglCreateContext(eglDisplay, config, EGL_NO_CONTEXT, ContextAttributes(kind));
    if (eglContext == EGL_NO_CONTEXT) {
        error = EglFailure(std::string("eglCreateContext for ") + ApiName(kind));
        return false;
    }
    context = eglContext;
    if (eglMakeCurrent(eglDisplay, eglSurface, eglSurface, eglContext) != EGL_TRUE) {
        error = EglFailure("eglMakeCurrent");
        return false;
    }
    SetUpDriver(kind == OffscreenContext::Core32);
    width = pictureWidth;
    height = pictureHeight;
    return true;
}

// Each step undoes what Open got to, so a failed Open leaves nothing behind either.
void OffscreenGL::Close() {
    if (display != nullptr) {
        eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        if (context != nullptr) {
            eglDestroyContext(display, context);
        }
        if (surface != nullptr) {
            eglDestroySurface(display, surface);
        }
        if (initialized) {
            eglTerminate(display);
        }
        eglReleaseThread();
    }
    display = nullptr;
    surface = nullptr;
    context = nullptr;
    initialized = false;
    width = 0;
    height = 0;
}

std::string OffscreenGL::Renderer() const {
    return GlString(GL_RENDERER);
}

std::string OffscreenGL::Version() const {
    return GlString(GL_VERSION);
}

void OffscreenGL::MaxViewport(int& maxWidth, int& maxHeight) const {
    GLint dims[2] = {0, 0};
    glGetIntegerv(GL_MAX_VIEWPORT_DIMS, dims);
    maxWidth = dims[0];
    maxHeight = dims[1];
}

// OpenGL ES reads back RGBA bytes for certain, so every context reads those.
RgbImage OffscreenGL::ReadPixels() const {
    RgbImage image;
    image.width = width;
    image.height = height;
    const size_t pixels = static_cast<size_t>(width) * static_cast<size_t>(height);
    std::vector<unsigned char> bottomUp(pixels * 4);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    image.rgb.resize(pixels * 3);
    for (int row = 0; row < height; ++row) {
        const unsigned char* from = bottomUp.data() + static_cast<size_t>(height - 1 - row) * width * 4;
        unsigned char* to = image.rgb.data() + static_cast<size_t>(row) * width * 3;
        for (int column = 0; column < width; ++column, from += 4, to += 3) {
            std::memcpy(to, from, 3);
        }
    }
    return image;
}
