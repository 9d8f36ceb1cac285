// What the GL 1.1 and the shader backend do alike: the GL primitive of a command, and a new
// texture's name with the checks before it. Include it after the backend's own GL header.
#pragma once

#include <vanui/uiDrawList.h>
#include <vanui/uiTexture.h>

namespace vanui {

inline GLenum ModeOf(uiPrimitive primitive) {
    switch (primitive) {
    case uiPrimitive::Lines:
        return GL_LINES;
    case uiPrimitive::LineLoop:
        return GL_LINE_LOOP;
    case uiPrimitive::Triangles:
        break;
    }
    return GL_TRIANGLES;
}

// A name for a texture of the description; 0 with the refusal when it is larger than
// GL_MAX_TEXTURE_SIZE on a side (TooLarge) or the GL gives no name (NoName).
inline GLuint NewTextureName(const uiTextureDesc& desc, uiTextureRefusal& refusal) {
    GLint largest = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &largest);
    if (desc.width > largest || desc.height > largest) {
        refusal = uiTextureRefusal{uiTextureRefusal::TooLarge, static_cast<unsigned>(largest)};
        return 0;
    }
    GLuint id = 0;
    glGenTextures(1, &id);
    if (id == 0) {
        refusal = uiTextureRefusal{uiTextureRefusal::NoName, 0};
    }
    return id;
}

// Errors left by earlier calls are not an upload's; a GL keeps a few at most.
inline void ClearPendingErrors() {
    const int mostPending = 8;
    for (int i = 0; i < mostPending && glGetError() != GL_NO_ERROR; ++i) {
    }
}

} // namespace vanui
