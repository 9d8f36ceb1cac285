#include "FontTestScene.h"
#include <vanui/uiGLBackend.h>
#include "BenchContext.h"
#include "KrfWriter.h"
#include "Log.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include <vanui/uiFont.h>

#include <gtest/gtest.h>

#include <vector>

using namespace drev;

namespace {

// The top edge of every glyph quad, in drawing order, with repeats of the same line removed.
std::vector<float> LineTops() {
    std::vector<float> tops;
    for (const auto& batch : RecordingGL::Batches()) {
        if (batch.mode == GL_QUADS && !batch.vertices.empty()) {
            float y = batch.vertices[0].y;
            if (tops.empty() || tops.back() != y) {
                tops.push_back(y);
            }
        }
    }
    return tops;
}

// One frame of the scene, submitted to the recording GL.
void DrawAndSubmit(uiFont& font) {
    uiDrawList list;
    DrawFontTestScene(list, font);
    RecordingGL::Reset();
    uiGLBackend::Submit(list);
}

TEST(FontTestSceneTest, LinesAndRowsStandWhereTheLineHeightPutsThem) {
    TempDir dir;
    InitLog();
    WriteKrf("Default.KRF", KrfEveryCodeFont());
    RecordingGL::Reset();
    uiFont font("Default.KRF", &RecordingTextures(), &ToolkitLog());
    ASSERT_TRUE(font.IsLoaded());

    for (int frame = 0; frame < 2; ++frame) {
        DrawAndSubmit(font);
        // Background, name, sheet, eight sample lines, five code rows; every frame the same.
        std::vector<float> expected = {0, 10, 50, 250, 271, 292, 325, 342, 359, 392, 422, 456, 473, 490, 507, 524};
        EXPECT_EQ(LineTops(), expected) << "frame " << frame;
        EXPECT_FALSE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
    }
    EXPECT_EQ(font.GetScale(), 1.0f);
    EXPECT_FALSE(font.IsItalic());
    EXPECT_FALSE(font.IsUnderlined());
}

TEST(FontTestSceneTest, SheetAndBackgroundAreDrawnAsDescribed) {
    TempDir dir;
    InitLog();
    WriteKrf("Default.KRF", KrfEveryCodeFont());
    RecordingGL::Reset();
    uiFont font("Default.KRF", &RecordingTextures(), &ToolkitLog());
    DrawAndSubmit(font);

    const auto& batches = RecordingGL::Batches();
    ASSERT_FALSE(batches.empty());
    const auto& background = batches[0].vertices;
    ASSERT_EQ(background.size(), 4u);
    EXPECT_FLOAT_EQ(background[0].color[0], 155 / 255.0f);
    EXPECT_FLOAT_EQ(background[2].x, 800);
    EXPECT_FLOAT_EQ(background[2].y, 600);
    EXPECT_FLOAT_EQ(background[2].color[2], 155 / 255.0f);

    bool sheetFound = false;
    for (const auto& batch : batches) {
        const auto& v = batch.vertices;
        if (batch.mode == GL_QUADS && v.size() == 4 && v[0].x == 10 && v[0].y == 50) {
            sheetFound = true;
            EXPECT_FLOAT_EQ(v[2].x, 10 + 64);
            EXPECT_FLOAT_EQ(v[2].y, 50 + 32);
            EXPECT_FLOAT_EQ(v[2].s, 1);
            EXPECT_FLOAT_EQ(v[2].t, 1);
        }
    }
    EXPECT_TRUE(sheetFound);
}

TEST(FontTestSceneTest, UnloadedFontLeavesTheBackgroundOnly) {
    TempDir dir;
    InitLog();
    RecordingGL::Reset();
    uiFont font("Default.KRF", &RecordingTextures(), &ToolkitLog());
    DrawAndSubmit(font);
    ASSERT_EQ(RecordingGL::Batches().size(), 1u);
    EXPECT_EQ(RecordingGL::CallsNamed("glBindTexture").size(), 0u);
}

} // namespace
