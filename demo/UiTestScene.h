// What one frame of the UI test window shows, as a draw list: a colour triangle as the
// backdrop, every widget of the UI context (Tick animates and draws them), then a line of sample
// text that slides down one pixel a frame and the sample font's whole glyph sheet. Every
// UI_TEST_REPLAY_FRAMES frames the text jumps back to its first line and the context's animation
// clock restarts, so the widget animations replay together with it.
//
// A frame is BeginUiTestFrame (GL1Frames.h, on the GL 1.1 backend), then DrawUiTestScene into a
// cleared draw list (or the context's Tick alone for the widgets only), then submitting the list
// (uiGLBackend::Submit), showing the frame (a swap or a read-back), then AdvanceUiTestFrame. The window and the off-screen render
// draw with these same calls, so they give the same picture; a render with the shader backend
// clears to the same background and submits the same list.
#pragma once

class uiContext;
class uiDrawList;
class uiFont;

inline constexpr int UI_TEST_REPLAY_FRAMES = 200;
// The picture's own size; a larger or smaller window scales it.
inline constexpr int UI_TEST_WIDTH = 800;
inline constexpr int UI_TEST_HEIGHT = 600;
// The window's teal under every frame: red, green, blue.
inline constexpr float UI_TEST_BACKGROUND[3] = {0.1f, 0.5f, 0.5f};

// Where the sample text stands and how many frames have passed since the last replay.
struct UiTestFrameState {
    float textOffset = 0.0f;
    int frameCount = 0;
};

// A mouse position in window pixels, moved into the picture, which a window of another size
// shows stretched to its own size. A window of no size leaves the position as it is.
void WindowToPicture(int windowWidth, int windowHeight, int& x, int& y);

// The backdrop triangle: red at the top centre, green at the bottom left, blue at the bottom right.
void DrawUiTestBackdrop(uiDrawList& list);
// The sample line at (40, 260 + textOffset) and the glyph sheet at (50, 500), in white.
void DrawUiTestSample(uiDrawList& list, uiFont& font, float textOffset);
// Backdrop, widgets, sample text; a null font leaves the sample text out.
void DrawUiTestScene(uiDrawList& list, uiContext& context, uiFont* font, const UiTestFrameState& state);
// Moves the text down one pixel, or, once UI_TEST_REPLAY_FRAMES frames have passed, back to its
// first line with a restart of the animation clock; then counts the frame.
void AdvanceUiTestFrame(uiContext& context, UiTestFrameState& state);
