#include "ErrorBand.h"
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

// The band's rectangle: glRectf's four arguments.
std::vector<double> BandRect() {
    const auto rects = RecordingGL::CallsNamed("glRectf");
    return rects.size() == 1 ? rects[0].args : std::vector<double>();
}

// The top edge of each line of glyphs, in drawing order.
std::vector<float> LineTops() {
    std::vector<float> tops;
    for (const auto& batch : RecordingGL::Batches()) {
        if (batch.mode == GL_QUADS && (tops.empty() || tops.back() != batch.vertices[0].y)) {
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
    uiFont font("f.krf");
    ASSERT_TRUE(font.IsLoaded());

    std::string text;
    for (int word = 0; word < 15; ++word) {
        text += (word > 0 ? " " : "") + std::string("abcdefghi");
    }
    RecordingGL::Reset();
    DrawErrorBand(&font, text);
    // Two lines of 16 pixels and a margin of 4 above and below.
    EXPECT_EQ(BandRect(), (std::vector<double>{0, 560, 800, 600}));
    EXPECT_EQ(LineTops(), (std::vector<float>{564, 580}));
    EXPECT_EQ(RecordingGL::CallsNamed("glBegin").size(), text.size() - 1);

    RecordingGL::Reset();
    DrawErrorBand(&font, "short");
    EXPECT_EQ(BandRect(), (std::vector<double>{0, 576, 800, 600}));
    EXPECT_EQ(LineTops(), (std::vector<float>{580}));
}

TEST(ErrorBandTest, WithoutAFontOnlyAThinBand) {
    RecordingGL::Reset();
    DrawErrorBand(nullptr, "FILE:1: error: anything");
    EXPECT_EQ(BandRect(), (std::vector<double>{0, 592, 800, 600}));
    EXPECT_TRUE(RecordingGL::Batches().empty());
}

} // namespace
