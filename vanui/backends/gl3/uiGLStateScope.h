// The GL state the shader backend changes, saved when a scope begins and given back when it
// ends, so a program's own rendering finds the context as it left it. Which pieces exist depends
// on the context (uiGLContextKind): a piece the context does not have is neither read nor set.
//
// Texturing: the active texture unit, unit 0's 2D texture, the unpack alignment and, where the
// context has them, the unpack row settings and the pixel unpack buffer.
// Drawing: the program, the array buffer, the vertex array (or, without vertex arrays, the
// element buffer and the attribute arrays the backend uses), blending (enable, factors,
// equations), face culling, the depth and stencil tests, primitive restart, the polygon mode
// and unit 0's sampler object. The viewport and the scissor box are the caller's and untouched.
#pragma once

#include "uiGLContextKind.h"
#include "uiGLShaderAPI.h"
#include "uiGLShaderProgram.h"

class uiGLStateScope {
public:
    enum Parts : unsigned { TEXTURING = 1, DRAWING = 2 };

    uiGLStateScope(const uiGLContextKind& kind, unsigned parts);
    ~uiGLStateScope();
    uiGLStateScope(const uiGLStateScope&) = delete;
    uiGLStateScope& operator=(const uiGLStateScope&) = delete;

private:
    // An attribute array as glVertexAttribPointer and glEnableVertexAttribArray set it.
    struct AttributeArray {
        GLint enabled = 0;
        GLint size = 4;
        GLint type = GL_FLOAT;
        GLint normalized = 0;
        GLint stride = 0;
        GLint buffer = 0;
        void* pointer = nullptr;
    };

    void SaveTexturing();
    void RestoreTexturing() const;
    void SaveDrawing();
    void RestoreDrawing() const;

    const uiGLContextKind& kind;
    unsigned parts;

    GLint activeTexture = GL_TEXTURE0;
    GLint texture = 0;
    GLint unpackAlignment = 4;
    GLint unpackRowLength = 0;
    GLint unpackSkipRows = 0;
    GLint unpackSkipPixels = 0;
    GLint unpackBuffer = 0;

    GLint program = 0;
    GLint arrayBuffer = 0;
    GLint vertexArray = 0;
    GLint elementBuffer = 0;
    AttributeArray attributes[UIGL_ATTRIBUTE_COUNT];
    GLint sampler = 0;
    GLboolean blend = GL_FALSE;
    GLint blendSourceRgb = GL_ONE;
    GLint blendDestinationRgb = GL_ZERO;
    GLint blendSourceAlpha = GL_ONE;
    GLint blendDestinationAlpha = GL_ZERO;
    GLint blendEquationRgb = GL_FUNC_ADD;
    GLint blendEquationAlpha = GL_FUNC_ADD;
    GLboolean cullFace = GL_FALSE;
    GLboolean depthTest = GL_FALSE;
    GLboolean stencilTest = GL_FALSE;
    GLboolean fixedIndexRestart = GL_FALSE;
#if defined(GL_PRIMITIVE_RESTART)
    GLboolean primitiveRestart = GL_FALSE;
#endif
#if defined(GL_POLYGON_MODE)
    // Front and back. A core profile has one mode for both, and some of its drivers write only
    // the first value or refuse the query: a second value of 0 means one mode for both, and a
    // refused query leaves GL_FILL.
    GLint polygonMode[2] = {GL_FILL, 0};
#endif
};
