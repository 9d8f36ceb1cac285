#include "FrameRenderer.h"

#include "FontTestScene.h"
#include "GL1Frames.h"
#include "UiTestScene.h"
#include <vanui/uiGLBackend.h>
#include <vanui/uiGLShaderBackend.h>

#include <GL/gl.h>

#include <new>

namespace {

class GL1FrameRenderer final : public FrameRenderer {
public:
    uiTextures& Textures() override { return textures; }
    void Begin(FramePicture picture) override {
        if (picture == FramePicture::FontTest) {
            BeginFontTestFrame();
        } else {
            BeginUiTestFrame();
        }
    }
    void Submit(const uiDrawList& list) override { uiGLBackend::Submit(list); }

private:
    uiGLTextures textures;
};

class ShaderFrameRenderer final : public FrameRenderer {
public:
    bool Init(std::string& error) { return backend.Init(error); }
    uiTextures& Textures() override { return backend; }
    void Begin(FramePicture picture) override {
        const float* background = picture == FramePicture::FontTest ? FONT_TEST_BACKGROUND : UI_TEST_BACKGROUND;
        glClearColor(background[0], background[1], background[2], 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void Submit(const uiDrawList& list) override { backend.Submit(list, UI_TEST_WIDTH, UI_TEST_HEIGHT); }

private:
    uiGLShaderBackend backend;
};

} // namespace

OffscreenContext OffscreenContextFor(RenderBackend backend) {
    switch (backend) {
    case RenderBackend::GL3:
        return OffscreenContext::Core32;
    case RenderBackend::GLES2:
        return OffscreenContext::ES2;
    case RenderBackend::GL1:
        break;
    }
    return OffscreenContext::Compatibility;
}

std::unique_ptr<FrameRenderer> OpenFrameRenderer(RenderBackend backend, std::string& error) {
    if (backend == RenderBackend::GL1) {
        std::unique_ptr<FrameRenderer> renderer(new (std::nothrow) GL1FrameRenderer);
        if (!renderer) {
            error = "out of memory";
        }
        return renderer;
    }
    std::unique_ptr<ShaderFrameRenderer> renderer(new (std::nothrow) ShaderFrameRenderer);
    if (!renderer) {
        error = "out of memory";
        return nullptr;
    }
    if (!renderer->Init(error)) {
        return nullptr;
    }
    return renderer;
}
