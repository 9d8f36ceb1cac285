#include "UiTestScene.h"

#include "BenchContext.h"
#include <vanui/uiGLBackend.h>
#include "uiInternal.h"

#include "FileText.h"
#include "KrfWriter.h"
#include "Log.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include <vanui/uiContext.h>
#include <vanui/uiFont.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace drev;

namespace {

// Each case runs in its own directory with a font of line height 16 and 8-pixel glyphs for
// every code on a 64 x 32 sheet, written as "default.krf" so the context's font table loads
// it too.
class UiTestSceneTest : public ::testing::Test {
protected:
    UiTestSceneTest() {
        InitLog();
        WriteKrf("default.krf", KrfEveryCodeFont());
        RecordingGL::Reset();
        sampleFont = std::make_unique<uiFont>("default.krf", &RecordingTextures(), &ToolkitLog());
        context = BenchContext();
        context->SetDrawingArea(800, 600);
    }

    // The top edge of the first glyph of the sample line, the only text that starts at x = 40.
    static bool FindSampleLine(float& top) {
        for (const auto& batch : RecordingGL::Batches()) {
            const auto& v = batch.vertices;
            if (batch.mode == GL_QUADS && v.size() == 4 && v[0].x == 40 && v[2].x - v[0].x == 8) {
                top = v[0].y;
                return true;
            }
        }
        return false;
    }

    // Submits the list to a fresh recording and starts a new list.
    void Submit() {
        RecordingGL::Reset();
        uiGLBackend::Submit(list);
        list.Clear();
    }

    TempDir dir;
    std::unique_ptr<uiFont> sampleFont;
    std::unique_ptr<uiContext> context;
    uiDrawList list;
};

TEST_F(UiTestSceneTest, BackdropIsOneTriangleRedGreenBlue) {
    DrawUiTestBackdrop(list);
    Submit();

    const auto& batches = RecordingGL::Batches();
    ASSERT_EQ(batches.size(), 1u);
    EXPECT_EQ(batches[0].mode, static_cast<GLenum>(GL_TRIANGLES));
    const auto& v = batches[0].vertices;
    ASSERT_EQ(v.size(), 3u);
    const float corners[3][2] = {{400, 1}, {1, 600}, {800, 600}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(v[i].x, corners[i][0]) << "vertex " << i;
        EXPECT_EQ(v[i].y, corners[i][1]) << "vertex " << i;
        EXPECT_EQ(v[i].z, 0.0f) << "vertex " << i;
        for (int channel = 0; channel < 3; ++channel) {
            EXPECT_EQ(v[i].color[channel], channel == i ? 1.0f : 0.0f)
                << "vertex " << i << " channel " << channel;
        }
    }
}

TEST_F(UiTestSceneTest, SampleLineFollowsTheOffsetAndTheSheetStandsAt50And500InWhite) {
    ASSERT_TRUE(sampleFont->IsLoaded());
    for (float offset : {0.0f, 37.0f}) {
        DrawUiTestSample(list, *sampleFont, offset);
        Submit();

        float top = 0;
        ASSERT_TRUE(FindSampleLine(top)) << "offset " << offset;
        EXPECT_EQ(top, 260 + offset);
        size_t glyphs = 0;
        bool sheetFound = false;
        for (const auto& batch : RecordingGL::Batches()) {
            const auto& v = batch.vertices;
            if (batch.mode == GL_QUADS && v.size() == 4 && v[0].y == 260 + offset) {
                ++glyphs;
                EXPECT_EQ(v[0].color[0], 1.0f);
                EXPECT_EQ(v[0].color[3], 1.0f);
            }
            if (batch.mode == GL_QUADS && v.size() == 4 && v[0].x == 50 && v[0].y == 500) {
                sheetFound = true;
                EXPECT_EQ(v[2].x, 50 + 64);
                EXPECT_EQ(v[2].y, 500 + 32);
            }
        }
        EXPECT_EQ(glyphs, std::string("Test Test test test TEST TEST").size());
        EXPECT_TRUE(sheetFound);
        EXPECT_FALSE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
    }
}

TEST_F(UiTestSceneTest, FrameDrawsBackdropThenWidgetsThenSampleText) {
    WriteFileText("scene.ui", "uiWindow \"Panel\" \"Application\" { Left 100 Top 120 Width 60 Height 40 "
                              "Style { Aspect 1 Fill 12 } }\n");
    ASSERT_TRUE(context->LoadUiFile("scene.ui"));

    UiTestFrameState state;
    state.textOffset = 5;
    DrawUiTestScene(list, *context, sampleFont.get(), state);
    Submit();

    // The panel's fill: a quad from (100, 120) to (160, 160).
    const auto isPanel = [](const RecordingGL::Batch& b) {
        return b.mode == GL_QUADS && b.texture == 0 && b.vertices[0].x == 100 && b.vertices[0].y == 120 &&
               b.vertices[2].x == 160 && b.vertices[2].y == 160;
    };
    const auto& batches = RecordingGL::Batches();
    ASSERT_FALSE(batches.empty());
    EXPECT_EQ(batches[0].mode, static_cast<GLenum>(GL_TRIANGLES));
    ASSERT_EQ(std::count_if(batches.begin(), batches.end(), isPanel), 1);
    EXPECT_FALSE(isPanel(batches[0]));
    EXPECT_TRUE(StateOf(*context).clockStarted);

    float top = 0;
    ASSERT_TRUE(FindSampleLine(top));
    EXPECT_EQ(top, 265);
    // The glyph sheet is the last thing drawn, after the widgets and the sample line.
    const auto& last = RecordingGL::Batches().back();
    EXPECT_EQ(last.vertices[0].x, 50);
    EXPECT_EQ(last.vertices[0].y, 500);

    // Without a sample font the frame still shows the backdrop and the widgets.
    DrawUiTestScene(list, *context, nullptr, state);
    Submit();
    EXPECT_FALSE(FindSampleLine(top));
    EXPECT_EQ(std::count_if(RecordingGL::Batches().begin(), RecordingGL::Batches().end(), isPanel), 1);
}

// The text moves down one pixel a frame; the frame after the 200th advance puts it back at
// 260 and restarts the animation clock. The first round shows offsets 0 to 200 (201 frames),
// later rounds 0 to 199 (200 frames), because the count restarts at 1.
TEST_F(UiTestSceneTest, TextJumpsBackWithAClockRestartEvery200Frames) {
    UiTestFrameState state;
    std::vector<int> restartFrames;
    std::vector<float> offsets;
    for (int frame = 1; frame <= 402; ++frame) {
        offsets.push_back(state.textOffset);
        list.Clear();
        context->Tick(list);
        AdvanceUiTestFrame(*context, state);
        if (!StateOf(*context).clockStarted) {
            restartFrames.push_back(frame);
            EXPECT_EQ(context->ClockMs(), 0.0);
        }
    }
    EXPECT_EQ(restartFrames, (std::vector<int>{201, 401}));
    EXPECT_EQ(offsets[0], 0);
    EXPECT_EQ(offsets[1], 1);
    EXPECT_EQ(offsets[200], 200);
    EXPECT_EQ(offsets[201], 0);
    EXPECT_EQ(offsets[202], 1);
    EXPECT_EQ(offsets[400], 199);
    EXPECT_EQ(offsets[401], 0);
    EXPECT_EQ(state.frameCount, 2);
}

} // namespace
