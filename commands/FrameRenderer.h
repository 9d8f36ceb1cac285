// How drev render and the off-screen benchmark start and submit a frame, one implementation per
// backend. The GL 1.1 one makes exactly the windows' calls (BeginUiTestFrame or
// BeginFontTestFrame, uiGLBackend::Submit), so its pictures are the windows' to the pixel; the
// shader one clears to the same background and submits the list laid out in 800 x 600.
//
// Open one with the off-screen context of its backend current (OffscreenContextFor) and keep
// that context current and alive while the renderer, and every font made through its
// Textures(), lives.
#pragma once

#include "OffscreenGL.h"
#include "RenderBackend.h"

#include <memory>
#include <string>

class uiDrawList;
class uiTextures;

// Which of the two windows' frames is drawn: its background and projection.
enum class FramePicture { UiTest, FontTest };

class FrameRenderer {
public:
    virtual ~FrameRenderer() = default;
    // What the frame's fonts make their textures through.
    virtual uiTextures& Textures() = 0;
    // Clears to the picture's background and sets what submitting needs.
    virtual void Begin(FramePicture picture) = 0;
    virtual void Submit(const uiDrawList& list) = 0;
};

OffscreenContext OffscreenContextFor(RenderBackend backend);

// The renderer of the backend for the current context; null, with the reason in error, when
// the backend cannot draw in it.
std::unique_ptr<FrameRenderer> OpenFrameRenderer(RenderBackend backend, std::string& error);
