// One of the shader backend's programs: a vertex and a fragment shader in the GLSL variant of
// the context (#version 150, #version 100 or #version 300 es), with its attribute locations fixed
// before linking and its uniforms looked up. A program is built for what its primitives need,
// textured or not, stippled or not: a software renderer pays for every branch a fragment shader
// has, taken or not. Build and Destroy with the context current.
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

// What a program draws: a textured one modulates the vertex colour by unit 0's coverage, a
// stippled one keeps the fragments whose pattern bit is set.
inline constexpr unsigned UIGL_PROGRAM_TEXTURED = 1;
inline constexpr unsigned UIGL_PROGRAM_STIPPLED = 2;
// Every combination of the two.
inline constexpr unsigned UIGL_PROGRAM_KINDS = 4;

struct uiGLShaderProgram {
    GLuint program = 0;
    // The layout's projection (mat4).
    GLint projection = -1;
    // Stippled programs: the pattern's low and high byte and the factor.
    GLint stipple = -1;

    // features: UIGL_PROGRAM_ bits. False, with the compiler's or linker's log in error,
    // when the variant does not build.
    bool Build(const uiGLContextKind& kind, unsigned features, std::string& error);
    void Destroy();
};
