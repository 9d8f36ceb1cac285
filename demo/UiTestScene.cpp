#include "UiTestScene.h"

#include <vanui/uiColor.h>
#include <vanui/uiContext.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiFont.h>

#include <cstdint>

namespace {

// The font keeps a pointer to its colour, so the colour lives as long as the program.
const uiColor WHITE(1.0f, 1.0f, 1.0f, 1.0f);

const char* const SAMPLE_TEXT = "Test Test test test TEST TEST";
const float SAMPLE_X = 40.0f;
const float SAMPLE_Y = 260.0f;
const float SHEET_X = 50.0f;
const float SHEET_Y = 500.0f;

} // namespace

// A window pixel covers the picture from x * 800 / width to (x + 1) * 800 / width; the position
// is the picture point at its top-left corner, taken in 64 bits so no window size overflows it.
void WindowToPicture(int windowWidth, int windowHeight, int& x, int& y) {
    if (windowWidth > 0) {
        x = static_cast<int>(static_cast<int64_t>(x) * UI_TEST_WIDTH / windowWidth);
    }
    if (windowHeight > 0) {
        y = static_cast<int>(static_cast<int64_t>(y) * UI_TEST_HEIGHT / windowHeight);
    }
}

void DrawUiTestBackdrop(uiDrawList& list) {
    list.AddTriangle(uiDrawVertex{400, 1, 0, 0, {255, 0, 0, 255}}, uiDrawVertex{1, 600, 0, 0, {0, 255, 0, 255}},
                     uiDrawVertex{800, 600, 0, 0, {0, 0, 255, 255}});
}

void DrawUiTestSample(uiDrawList& list, uiFont& font, float textOffset) {
    font.Bind(list);
    font.SetColor(&WHITE);
    font.DrawText(SAMPLE_TEXT, SAMPLE_X, SAMPLE_Y + textOffset);
    font.DrawSheet(SHEET_X, SHEET_Y, 1.0f, false);
    font.Unbind();
}

void DrawUiTestScene(uiDrawList& list, uiContext& context, uiFont* font, const UiTestFrameState& state) {
    DrawUiTestBackdrop(list);
    context.Tick(list);
    if (font != nullptr) {
        DrawUiTestSample(list, *font, state.textOffset);
    }
}

void AdvanceUiTestFrame(uiContext& context, UiTestFrameState& state) {
    if (state.frameCount >= UI_TEST_REPLAY_FRAMES) {
        state.textOffset = 0.0f;
        state.frameCount = 0;
        context.ResetClock();
    } else {
        state.textOffset += 1.0f;
    }
    ++state.frameCount;
}
