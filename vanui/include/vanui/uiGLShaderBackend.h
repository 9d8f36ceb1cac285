// The shader backend (library vanui_gl3): one renderer for OpenGL 3.2 core and later, OpenGL ES
// 2.0 and 3.x, and WebGL 1 and 2. Init chooses the shader variant from the current context's
// GL_VERSION; Submit streams the list's vertices and indices through buffer objects, modulates
// coverage textures by the vertex colour, blends, and draws a stippled line loop's dashes as the
// GL 1.1 stipple draws them (the toolkit's stippled lines are axis-aligned). Every piece of GL
// state it changes is saved before a frame and restored after it.
//
// The backend is also the texture interface of the contexts and fonts that draw through it
// (uiContextSettings::textures): coverage textures are one byte a pixel, sampled as alpha.
//
// Order of calls: make a context current, Init, then every frame Submit; destroy the backend
// with the same context current, after every font made through it. One thread.
#pragma once

#include <vanui/uiDrawList.h>
#include <vanui/uiTexture.h>

#include <string>

struct uiGLContextKind;

class uiGLShaderBackend final : public uiTextures {
public:
    uiGLShaderBackend() = default;
    ~uiGLShaderBackend() override;
    uiGLShaderBackend(const uiGLShaderBackend&) = delete;
    uiGLShaderBackend& operator=(const uiGLShaderBackend&) = delete;

    // Compiles the shaders and makes the buffers for the current context. False, with the reason
    // in error, when the context is none of the kinds above or a shader does not compile.
    bool Init(std::string& error);
    // The kind of context Init found: "OpenGL 3.2+ core", "OpenGL ES 2.0", "OpenGL ES 3.x",
    // "WebGL 1", "WebGL 2"; empty before Init.
    const std::string& Variant() const { return variant; }

    // Draws the list into the current framebuffer and viewport, within the scissor box when the
    // caller enabled the scissor test; the picture is laid out in width x height units (one unit
    // a pixel of the layout, y growing downwards). Does nothing before a successful Init or for a
    // size below 1.
    void Submit(const uiDrawList& list, int width, int height);

    // A texture larger than GL_MAX_TEXTURE_SIZE on a side is refused (TooLarge), a name the GL
    // does not give (NoName), an upload the GL refuses (Refused, with the GL error).

    uiTextureId Create(const uiTextureDesc& desc, uiTextureRefusal& refusal) override;
    bool Update(uiTextureId texture, const uiTextureDesc& desc) override;
    void Delete(uiTextureId texture) override;

private:
    // The kind Init found, or that of the current context before Init; false without a context
    // the backend can draw in.
    bool CurrentKind(uiGLContextKind& kind) const;

    std::string variant;
    // The GL objects (program, buffers, vertex array) live in the implementation.
    struct Objects;
    Objects* objects = nullptr;
};
