// The shader backend's program: one vertex and one fragment shader in the GLSL variant of the
// context (#version 150, #version 100 or #version 300 es), with its attribute locations fixed
// before linking and its uniforms looked up. Build and Destroy with the context current.
#pragma once

#include "uiGLContextKind.h"
#include "uiGLShaderAPI.h"

#include <string>

// The attribute locations every variant binds.
enum uiGLAttribute : GLuint {
    UIGL_ATTRIBUTE_POSITION = 0,
    UIGL_ATTRIBUTE_TEXCOORD = 1,
    UIGL_ATTRIBUTE_COLOR = 2,
    // The stipple counter at the vertex, for the stippled lines only.
    UIGL_ATTRIBUTE_DISTANCE = 3,
    UIGL_ATTRIBUTE_COUNT = 4
};

struct uiGLShaderProgram {
    GLuint program = 0;
    // The layout's projection (mat4).
    GLint projection = -1;
    // 1.0 to modulate by the texture of unit 0, 0.0 for untextured primitives.
    GLint textured = -1;
    // The stipple's low and high pattern byte and its factor; a factor of 0 draws solid lines.
    GLint stipple = -1;

    // False, with the compiler's or linker's log in error, when the variant does not build.
    bool Build(const uiGLContextKind& kind, std::string& error);
    void Destroy();
};
