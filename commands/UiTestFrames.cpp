#include "UiTestFrames.h"

#include "AnimationSchedule.h"
#include "FrameRenderer.h"
#include "UiTestFile.h"

#include <GL/gl.h>

#include <algorithm>

double SettledFrameTime(const uiContext& context) {
    return std::min(SettledTime(context), UI_TEST_LAST_FRAME_MS);
}

UiTestFrames::UiTestFrames(UiTestFile& file, uiFont* sampleFont, bool scene)
    : file(file), sampleFont(sampleFont), scene(scene) {}

void UiTestFrames::PlayUpTo(double moment, FrameRenderer& renderer) {
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 0, 0);
    for (long long frame = 0; frame * UI_TEST_FRAME_STEP_MS < moment; ++frame) {
        Record(static_cast<double>(frame) * UI_TEST_FRAME_STEP_MS);
        renderer.Begin(FramePicture::UiTest);
        renderer.Submit(list);
        AdvanceUiTestFrame(file.Context(), state);
    }
    glDisable(GL_SCISSOR_TEST);
}

void UiTestFrames::Record(double moment) {
    file.SetClock(moment);
    list.Clear();
    if (scene) {
        DrawUiTestScene(list, file.Context(), sampleFont, state);
    } else {
        file.Context().Tick(list);
    }
}
