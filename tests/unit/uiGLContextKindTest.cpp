// The shader backend's reading of GL_VERSION: which variant each kind of context gets, and why
// the others are refused. WebGL's strings are as emscripten reports them.
#include "uiGLContextKind.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(uiGLContextKindTest, EachVersionStringGivesItsVariantOrItsReason) {
    const struct {
        const char* version;
        const char* variantOrError;
    } cases[] = {
        {"4.5 (Core Profile) Mesa 22.3.6", "OpenGL 3.2+ core"},
        {"3.2.0 NVIDIA 535.54", "OpenGL 3.2+ core"},
        {"4.6 (Compatibility Profile) Mesa 23.1", "OpenGL 3.2+ core"},
        {"OpenGL ES 2.0 Mesa 22.3.6", "OpenGL ES 2.0"},
        {"OpenGL ES 3.2 Mesa 22.3.6", "OpenGL ES 3.x"},
        {"OpenGL ES 2.0 (WebGL 1.0)", "WebGL 1"},
        {"OpenGL ES 3.0 (WebGL 2.0)", "WebGL 2"},
        {"3.1 Mesa 22.3.6", "OpenGL 3.1 is older than the 3.2 the shader backend needs"},
        {"2.1 Mesa 22.3.6", "OpenGL 2.1 is older than the 3.2 the shader backend needs"},
        {"OpenGL ES 1.1 Mesa", "OpenGL ES 1.1 has no shaders; the shader backend needs OpenGL ES 2.0 or later"},
        {"OpenGL ES-CM 1.1 Mesa", "GL_VERSION \"OpenGL ES-CM 1.1 Mesa\" names no version the shader backend knows"},
        {"", "GL_VERSION \"\" names no version the shader backend knows"},
        {nullptr, "no GL context is current (GL_VERSION is not available)"},
    };
    for (const auto& expected : cases) {
        uiGLContextKind kind;
        std::string error;
        const bool read = ReadGLContextKind(expected.version, kind, error);
        EXPECT_EQ(read ? std::string(kind.VariantName()) : error, expected.variantOrError);
    }
}

} // namespace
