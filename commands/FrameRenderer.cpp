#include "FrameRenderer.h"

#include "GL1Frames.h"
#include "ShaderFrameRenderer.h"
#include <vanui/uiGLBackend.h>

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
