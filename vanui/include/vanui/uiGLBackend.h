// The OpenGL 1.1 backend (library vanui_gl1): draws a draw list with client-side vertex arrays
// and makes the toolkit's textures. It needs a compatibility context (fixed function).
//
// uiGLBackend::Submit draws one glDrawElements per command, changing the texture, line stipple and
// blending only where a command needs another state than the one before it. Whatever GL state it
// changes (enables, the bound texture, the texture environment, the line stipple, the blend
// function, the client arrays) is restored when it returns. Call it with the GL context current
// and the frame's projection set (one unit a pixel, y growing downwards); the list must not
// change during the call.
//
// uiGLTextures makes, fills and deletes the GL textures of fonts and leaves the binding and the
// pixel-store settings as it found them. Give it to a context (uiContextSettings::textures) and
// keep it, and the GL context, alive while fonts made with it live.
#pragma once

#include <vanui/uiDrawList.h>
#include <vanui/uiTexture.h>

class uiGLBackend {
public:
    static void Submit(const uiDrawList& list);
};

class uiGLTextures final : public uiTextures {
public:
    // A texture larger than GL_MAX_TEXTURE_SIZE on a side is refused (TooLarge), a name the GL
    // does not give (NoName), an upload the GL refuses (Refused, with the GL error).
    uiTextureId Create(const uiTextureDesc& desc, uiTextureRefusal& refusal) override;
    bool Update(uiTextureId texture, const uiTextureDesc& desc) override;
    void Delete(uiTextureId texture) override;
};
