// What the GL 1.1 and the shader backend do alike: the GL primitive of a command, switching a
// capability, a new texture's name with the checks before it, its first upload and what follows
// it, and deleting a texture. Include it after the backend's own GL header.
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

inline void Enable(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
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

// Sets the bound texture's wrapping and filtering and uploads the coverage in the format; the
// GL's error, GL_NO_ERROR when it took it.
inline GLenum UploadNewTexture(const uiTextureDesc& desc, GLint wrap, GLint internalFormat, GLenum format) {
    const GLint filter = desc.filter == uiTextureFilter::Nearest ? GL_NEAREST : GL_LINEAR;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, desc.width, desc.height, 0, format, GL_UNSIGNED_BYTE,
                 desc.coverage);
    return glGetError();
}

// The new texture when the GL took its upload; otherwise 0, with the GL's error as the refusal,
// and the name given back.
inline uiTextureId KeepUploadedTexture(GLuint id, GLenum error, uiTextureRefusal& refusal) {
    if (error != GL_NO_ERROR) {
        glDeleteTextures(1, &id);
        refusal = uiTextureRefusal{uiTextureRefusal::Refused, static_cast<unsigned>(error)};
        return 0;
    }
    return id;
}

inline void DeleteTexture(uiTextureId texture) {
    if (texture != 0) {
        const GLuint id = texture;
        glDeleteTextures(1, &id);
    }
}

// Errors left by earlier calls are not an upload's; a GL keeps a few at most.
inline void ClearPendingErrors() {
    const int mostPending = 8;
    for (int i = 0; i < mostPending && glGetError() != GL_NO_ERROR; ++i) {
    }
}

} // namespace vanui
