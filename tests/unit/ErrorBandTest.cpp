#include "ErrorBand.h"
#include <vanui/uiGLBackend.h>
#include "BenchContext.h"
#include "KrfWriter.h"
#include "Log.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include <vanui/uiFont.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace drev;

namespace {

// Draws the band and submits it to a fresh recording.
void DrawBand(uiFont* font, const std::string& text) {
    uiDrawList list;
    DrawErrorBand(list, font, text);
    RecordingGL::Reset();
    uiGLBackend::Submit(list);
}

// The band's rectangle: the first quad's top-left and bottom-right corners.
std::vector<double> BandRect() {
    const auto& batches = RecordingGL::Batches();
    if (batches.empty() || batches[0].mode != GL_QUADS) {
        return {};
    }
    const auto& v = batches[0].vertices;
    return {v[0].x, v[0].y, v[2].x, v[2].y};
}

// The top edge of each line of glyphs, in drawing order.
std::vector<float> LineTops() {
    std::vector<float> tops;
    for (const auto& batch : RecordingGL::Batches()) {
        if (batch.mode == GL_QUADS && batch.texture != 0 && (tops.empty() || tops.back() != batch.vertices[0].y)) {
            tops.push_back(batch.vertices[0].y);
        }
    }
    return tops;
}

// Words of 9 glyphs of 8 pixels: nine of them and their blanks fill 712 of the 792 pixels a line
// holds, a tenth would not fit.
TEST(ErrorBandTest, LongTextWrapsAtBlanksAndTheBandGrowsWithIt) {
    TempDir dir;
    InitLog();
    WriteKrf("f.krf", KrfEveryCodeFont());
    RecordingGL::Reset();
    uiFont font("f.krf", &RecordingTextures(), &ToolkitLog());
    ASSERT_TRUE(font.IsLoaded());

    std::string text;
    for (int word = 0; word < 15; ++word) {
        text += (word > 0 ? " " : "") + std::string("abcdefghi");
    }
    DrawBand(&font, text);
    // Two lines of 16 pixels and a margin of 4 above and below.
    EXPECT_EQ(BandRect(), (std::vector<double>{0, 560, 800, 600}));
    EXPECT_EQ(LineTops(), (std::vector<float>{564, 580}));
    EXPECT_EQ(RecordingGL::Batches().size(), 1 + text.size() - 1);

    DrawBand(&font, "short");
    EXPECT_EQ(BandRect(), (std::vector<double>{0, 576, 800, 600}));
    EXPECT_EQ(LineTops(), (std::vector<float>{580}));
}

TEST(ErrorBandTest, WithoutAFontOnlyAThinBand) {
    DrawBand(nullptr, "FILE:1: error: anything");
    EXPECT_EQ(BandRect(), (std::vector<double>{0, 592, 800, 600}));
    EXPECT_EQ(RecordingGL::Batches().size(), 1u);
}

} // namespace
