// The shader backend's frames: cleared to the window's background, the list laid out in
// 800 x 600. drev render draws with it in an OpenGL 3.2 core or ES 2 context, the playground in
// its WebGL canvas; Init and every call need that context current.
#pragma once

#include "FrameRenderer.h"
#include <vanui/uiGLShaderBackend.h>

#include <string>

class ShaderFrameRenderer final : public FrameRenderer {
public:
    bool Init(std::string& error) { return backend.Init(error); }
    uiTextures& Textures() override { return backend; }
    void Begin(FramePicture picture) override;
    void Submit(const uiDrawList& list) override;

private:
    uiGLShaderBackend backend;
};
