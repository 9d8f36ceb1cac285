// The UI test window's frames as drev render draws them off-screen: a frame every 50 ms, as the
// window draws one and sleeps, each followed by the window's step to the next frame (the sample
// text moves down, the clock restarts after a replay). The picture at a moment depends on the
// frames before it, not only on the moment, so they are drawn too. Needs a current GL context;
// the projection is set by each frame (BeginUiTestFrame).
#pragma once

#include "UiTestScene.h"
#include <vanui/uiDrawList.h>

class FrameRenderer;
class UiTestFile;
class uiContext;
class uiFont;

// The UI test window draws a frame, sleeps 50 ms and draws the next.
inline constexpr double UI_TEST_FRAME_STEP_MS = 50.0;
// The window restarts its animations after this frame: a settled picture is never taken later.
inline constexpr double UI_TEST_LAST_FRAME_MS = UI_TEST_REPLAY_FRAMES * UI_TEST_FRAME_STEP_MS;

// The moment of the settled picture: every animation ended, or the last frame before a replay.
double SettledFrameTime(const uiContext& context);

class UiTestFrames {
public:
    // The whole scene with the sample font (null: no sample text), or the widgets alone. Borrows
    // the file and the font, which must outlive it.
    UiTestFrames(UiTestFile& file, uiFont* sampleFont, bool scene);

    // Draws the frames before the moment, each submitted into an empty scissor box: that spares
    // the rasterizer nearly all their cost, and the software renderer draws a context's first
    // textured frame a little differently (a colour channel off by one here and there) from the
    // frames that follow it, so the picture must not be the first frame drawn.
    void PlayUpTo(double moment, FrameRenderer& renderer);
    // Records the frame at the moment into the list, without submitting it.
    void Record(double moment);
    const uiDrawList& List() const { return list; }

private:
    UiTestFile& file;
    uiFont* sampleFont;
    bool scene;
    UiTestFrameState state;
    uiDrawList list;
};
