// The GL 1.1 backend's textures: a coverage sheet becomes a GL_ALPHA texture, clamped at its
// edges. The binding and the pixel-store settings are saved around each call and restored.
#include <vanui/uiGLBackend.h>

#include <GL/gl.h>

#include "../uiGLShared.h"

namespace {

// Rows are width bytes from the top with no padding, whatever the program set for its own
// uploads (the default alignment of 4 would misread other widths).
void UnpackTightRows() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    glPixelStorei(GL_UNPACK_SWAP_BYTES, GL_FALSE);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
}

// Binds the texture with the program's binding and pixel-store settings saved; the destructor
// gives them back.
class TextureScope {
public:
    explicit TextureScope(GLuint texture) {
        glPushAttrib(GL_TEXTURE_BIT);
        glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
        glBindTexture(GL_TEXTURE_2D, texture);
        UnpackTightRows();
        vanui::ClearPendingErrors();
    }
    ~TextureScope() {
        glPopClientAttrib();
        glPopAttrib();
    }
    TextureScope(const TextureScope&) = delete;
    TextureScope& operator=(const TextureScope&) = delete;
};

} // namespace

uiTextureId uiGLTextures::Create(const uiTextureDesc& desc, uiTextureRefusal& refusal) {
    const GLuint id = vanui::NewTextureName(desc, refusal);
    if (id == 0) {
        return 0;
    }
    GLenum error = GL_NO_ERROR;
    {
        TextureScope scope(id);
        error = vanui::UploadNewTexture(desc, GL_CLAMP, GL_ALPHA, GL_ALPHA);
    }
    return vanui::KeepUploadedTexture(id, error, refusal);
}

bool uiGLTextures::Update(uiTextureId texture, const uiTextureDesc& desc) {
    if (texture == 0) {
        return false;
    }
    TextureScope scope(texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, desc.width, desc.height, GL_ALPHA, GL_UNSIGNED_BYTE, desc.coverage);
    return glGetError() == GL_NO_ERROR;
}

void uiGLTextures::Delete(uiTextureId texture) {
    vanui::DeleteTexture(texture);
}
