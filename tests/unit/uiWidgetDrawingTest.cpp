#include "uiWidgetDrawing.h"

#include "BenchContext.h"
#include "KrfWriter.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace vanui;

namespace {

using RecordingGL::Batch;

const uiRectF WIDGET{10.0f, 20.0f, 100.0f, 40.0f};

struct Pt {
    float x;
    float y;
};

uiStyle StyleOf(int aspect, int fill, bool border = false, bool contour = false) {
    uiStyle style;
    style.Aspect = aspect;
    style.Fill = fill;
    style.Border = border;
    style.Contour = contour;
    return style;
}

// Submits the list to the recording GL and empties it; what the GL drew is in its Batches.
void Submit(uiDrawList& list) {
    RecordingGL::Reset();
    uiGLBackend::Submit(list);
    list.Clear();
}

// Draws one widget at rect's place and records it; the list holds what the widget appended.
uiDrawList DrawPlain(const uiStyle& style, const uiColorSet& colours = uiColorSet(uiColorTable()),
                     const uiRectF& rect = WIDGET) {
    uiDrawList list;
    Draw(list, rect, 0.0f, 0.0f, style, colours);
    uiDrawList kept = list;
    Submit(list);
    return kept;
}

// The quads a quad strip through the points covers, each in drawing order.
std::vector<std::vector<Pt>> StripQuads(const std::vector<Pt>& strip) {
    std::vector<std::vector<Pt>> quads;
    for (size_t i = 0; i + 3 < strip.size(); i += 2) {
        quads.push_back({strip[i], strip[i + 1], strip[i + 3], strip[i + 2]});
    }
    return quads;
}

// A vertex carries each channel in 256 steps.
void ExpectColor(const float* rgba, const uiColor& expected) {
    const float channels[4] = {expected.r, expected.g, expected.b, expected.a};
    for (int k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(rgba[k], uiDrawColor::Step(channels[k]) / 255.0f) << "channel " << k;
    }
}

void ExpectBatch(const Batch& batch, GLenum mode, const std::vector<Pt>& points, const uiColor& color) {
    EXPECT_EQ(batch.mode, mode);
    ASSERT_EQ(batch.vertices.size(), points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        SCOPED_TRACE("vertex " + std::to_string(i));
        EXPECT_FLOAT_EQ(batch.vertices[i].x, points[i].x);
        EXPECT_FLOAT_EQ(batch.vertices[i].y, points[i].y);
        ExpectColor(batch.vertices[i].color, color);
    }
}

void ExpectStrip(const std::vector<Batch>& batches, size_t first, const std::vector<Pt>& strip,
                 const uiColor& color) {
    const std::vector<std::vector<Pt>> quads = StripQuads(strip);
    ASSERT_GE(batches.size(), first + quads.size());
    for (size_t q = 0; q < quads.size(); ++q) {
        ExpectBatch(batches[first + q], GL_QUADS, quads[q], color);
    }
}

// Every filled axis-aligned rectangle drawn (a quad of one colour from its top-left corner
// clockwise), with its corners and colour.
struct RectCall {
    std::vector<double> corners;
    float color[4];
};

std::vector<RectCall> Rects() {
    std::vector<RectCall> rects;
    for (const Batch& batch : RecordingGL::Batches()) {
        const std::vector<RecordingGL::Vertex>& v = batch.vertices;
        if (batch.mode != GL_QUADS || v[0].y != v[1].y || v[1].x != v[2].x || v[2].y != v[3].y ||
            v[3].x != v[0].x || !std::equal(v[0].color, v[0].color + 4, v[2].color)) {
            continue;
        }
        rects.push_back({{v[0].x, v[0].y, v[2].x, v[2].y}, {v[0].color[0], v[0].color[1], v[0].color[2], v[0].color[3]}});
    }
    return rects;
}

uiColor Entry(int index) {
    return uiColorTable().GetEntry(index);
}

} // namespace

TEST(uiWidgetDrawingTest, BoxesFollowOriginStretchRollAndAspect) {
    struct Case {
        uiRectF rect;
        float sx, sy, rx, ry;
        int aspect;
        float g;
        uiRectI outer, inner;
        float bevel, half;
    };
    const Case cases[] = {
        {WIDGET, 1, 1, 1, 1, 1, 2, {10, 20, 110, 60}, {10, 20, 110, 60}, 2, 1},
        {WIDGET, 1, 1, 1, 1, 3, 2, {10, 20, 110, 60}, {12, 22, 108, 58}, 2, 1},
        {WIDGET, 0.5f, 1, 1, 1, 1, 2, {35, 20, 85, 60}, {35, 20, 85, 60}, 2, 1},
        {WIDGET, 1, 0.5f, 1, 1, 1, 2, {10, 30, 110, 50}, {10, 30, 110, 50}, 2, 1},
        {WIDGET, 1, 1, 0.5f, 1, 1, 2, {10, 20, 60, 60}, {10, 20, 60, 60}, 2, 1},
        {WIDGET, 1, 1, 1, 0.25f, 1, 2, {10, 20, 110, 30}, {10, 20, 110, 30}, 2, 1},
        {WIDGET, 1, 1, 1, 1, 5, 2, {10, 20, 110, 60}, {10, 20, 110, 60}, 2, 1},
        {WIDGET, 1, 1, 1, 1, 6, 2, {10, 20, 110, 60}, {10, 20, 110, 58}, 2, 1},
        {WIDGET, 1, 1, 1, 1, 6, 3, {10, 20, 110, 60}, {10, 20, 110, 57}, 3, 1.5f},
        {WIDGET, 1, 1, 1, 1, 7, 0.5f, {10, 20, 110, 60}, {11, 21, 109, 59}, 1, 1},
        // Truncation goes toward zero: -10.5 gives -10, not -11.
        {{-10.5f, 0.5f, 100.0f, 40.0f}, 1, 1, 1, 1, 1, 2, {-10, 0, 90, 40}, {-10, 0, 90, 40}, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("aspect " + std::to_string(c.aspect) + " sx " + std::to_string(c.sx) + " rx " +
                     std::to_string(c.rx) + " ry " + std::to_string(c.ry));
        const uiWidgetBoxes boxes = ComputeWidgetBoxes(c.rect, 0, 0, c.sx, c.sy, c.rx, c.ry, c.aspect, c.g);
        EXPECT_EQ(std::vector<int>({boxes.outer.x1, boxes.outer.y1, boxes.outer.x2, boxes.outer.y2}),
                  std::vector<int>({c.outer.x1, c.outer.y1, c.outer.x2, c.outer.y2}));
        EXPECT_EQ(std::vector<int>({boxes.inner.x1, boxes.inner.y1, boxes.inner.x2, boxes.inner.y2}),
                  std::vector<int>({c.inner.x1, c.inner.y1, c.inner.x2, c.inner.y2}));
        EXPECT_FLOAT_EQ(boxes.bevel, c.bevel);
        EXPECT_FLOAT_EQ(boxes.half, c.half);
    }
}

TEST(uiWidgetDrawingTest, WrappersPassOriginStretchAndRoll) {
    const uiStyle bordered = StyleOf(1, 1, true);
    const uiColorSet colours{uiColorTable()};
    uiDrawList list;
    Draw(list, WIDGET, 5.0f, 7.0f, bordered, colours);
    DrawStretch(list, WIDGET, 0.0f, 0.0f, 0.5f, 1.0f, bordered, colours);
    DrawRoll(list, WIDGET, 0.0f, 0.0f, 0.5f, 1.0f, bordered, colours);
    // Three borders of four sides each, as one command of lines.
    EXPECT_EQ(list.Commands().size(), 1u);
    Submit(list);
    const uiColor border = Entry(UICOLOR_BORDER);
    const std::vector<Batch>& batches = RecordingGL::Batches();
    ASSERT_EQ(batches.size(), 12u);
    const float corners[3][4][2] = {{{15, 27}, {116, 27}, {116, 68}, {15, 68}},
                                    {{35, 20}, {86, 20}, {86, 61}, {35, 61}},
                                    {{10, 20}, {61, 20}, {61, 61}, {10, 61}}};
    for (size_t loop = 0; loop < 3; ++loop) {
        for (size_t side = 0; side < 4; ++side) {
            const auto& from = corners[loop][side];
            const auto& to = corners[loop][(side + 1) % 4];
            ExpectBatch(batches[loop * 4 + side], GL_LINES, {{from[0], from[1]}, {to[0], to[1]}}, border);
        }
    }
}

TEST(uiWidgetDrawingTest, StripFramesOfEachAspect) {
    const uiColor light = Entry(UICOLOR_LIGHT);
    const uiColor dark = Entry(UICOLOR_DARK);
    const std::vector<Pt> ring = {{12, 58},  {10, 60}, {108, 58}, {110, 60}, {108, 22},
                                  {110, 20}, {12, 22}, {10, 20},  {12, 58},  {10, 60}};
    const std::vector<Pt> bottomRight(ring.begin(), ring.begin() + 6);
    const std::vector<Pt> topLeft(ring.begin() + 4, ring.end());

    // Strips are drawn as the quads they are made of: a ring of 10 points is 4 quads.
    DrawPlain(StyleOf(2, 1));
    ASSERT_EQ(RecordingGL::Batches().size(), 4u);
    ExpectStrip(RecordingGL::Batches(), 0, ring, light);

    for (int aspect : {3, 4}) {
        SCOPED_TRACE("aspect " + std::to_string(aspect));
        DrawPlain(StyleOf(aspect, 1));
        ASSERT_EQ(RecordingGL::Batches().size(), 4u);
        ExpectStrip(RecordingGL::Batches(), 0, bottomRight, aspect == 3 ? dark : light);
        ExpectStrip(RecordingGL::Batches(), 2, topLeft, aspect == 3 ? light : dark);
    }

    DrawPlain(StyleOf(7, 1));
    ASSERT_EQ(RecordingGL::Batches().size(), 8u);
    ExpectStrip(RecordingGL::Batches(), 0,
                {{12, 59},
                 {11, 60},
                 {109, 59},
                 {110, 60},
                 {109, 22},
                 {110, 21},
                 {12, 22},
                 {11, 21},
                 {12, 59},
                 {11, 60}},
                light);
    ExpectStrip(RecordingGL::Batches(), 4, {{110, 21}, {110, 20}, {11, 21}, {10, 20}, {11, 60}, {10, 60}}, dark);
    ExpectStrip(RecordingGL::Batches(), 6, {{12, 58}, {12, 59}, {108, 58}, {109, 59}, {108, 22}, {109, 22}}, dark);
    EXPECT_TRUE(Rects().empty());
}

TEST(uiWidgetDrawingTest, ShadowUnderlineAndFlatLooks) {
    DrawPlain(StyleOf(5, 1));
    std::vector<RectCall> rects = Rects();
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].corners, std::vector<double>({12, 22, 112, 62}));
    ExpectColor(rects[0].color, Entry(UICOLOR_DARK));

    // The toolkit's constant underline style: only a two-tone line, 2h high, at the bottom.
    DrawPlain(StyleOf(6, 1));
    rects = Rects();
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].corners, std::vector<double>({10, 58, 110, 59}));
    ExpectColor(rects[0].color, Entry(UICOLOR_LIGHT));
    EXPECT_EQ(rects[1].corners, std::vector<double>({10, 59, 110, 60}));
    ExpectColor(rects[1].color, Entry(UICOLOR_DARK));
    EXPECT_EQ(RecordingGL::Batches().size(), 2u);

    for (int aspect : {1, 0, 8}) {
        EXPECT_TRUE(DrawPlain(StyleOf(aspect, 1)).Vertices().empty()) << "aspect " << aspect;
        EXPECT_TRUE(RecordingGL::Calls().empty()) << "aspect " << aspect;
    }
}

TEST(uiWidgetDrawingTest, FillsShadeTheBaseColour) {
    // Odd sizes, so the band midpoints show their truncation: xm = 10 + 50, ym = 20 + 20.
    const uiRectF odd{10.0f, 20.0f, 101.0f, 41.0f};
    const float a = 10, b = 111, t = 20, u = 61, xm = 60, ym = 40;
    struct V {
        float x, y, k;
    };
    struct Case {
        int fill;
        std::vector<std::vector<V>> quads;
    };
    const Case cases[] = {
        {2, {{{a, t, .8f}, {b, t, 1}, {b, u, 1.2f}, {a, u, 1}}}},
        {3, {{{a, t, 1.2f}, {b, t, 1}, {b, u, .8f}, {a, u, 1}}}},
        {4, {{{b, t, .8f}, {b, u, .8f}, {a, u, 1.2f}, {a, t, 1.2f}}}},
        {5, {{{b, t, 1.2f}, {b, u, 1.2f}, {a, u, .8f}, {a, t, .8f}}}},
        {6, {{{a, t, 1.2f}, {b, t, 1.2f}, {b, u, .8f}, {a, u, .8f}}}},
        {7, {{{a, t, .8f}, {b, t, .8f}, {b, u, 1.2f}, {a, u, 1.2f}}}},
        {8,
         {{{a, t, .8f}, {b, t, .8f}, {b, ym, 1.2f}, {a, ym, 1.2f}},
          {{a, ym, 1.2f}, {b, ym, 1.2f}, {b, u, .8f}, {a, u, .8f}}}},
        {9,
         {{{a, u, .8f}, {a, t, .8f}, {xm, t, 1.2f}, {xm, u, 1.2f}},
          {{xm, u, 1.2f}, {xm, t, 1.2f}, {b, t, .8f}, {b, u, .8f}}}},
        {12, {}},
        {1, {}},
        {10, {}},
        {11, {}},
        {13, {}},
    };
    const uiColor base = Entry(UICOLOR_BASE);
    for (const Case& c : cases) {
        SCOPED_TRACE("fill " + std::to_string(c.fill));
        DrawPlain(StyleOf(1, c.fill), uiColorSet(uiColorTable()), odd);
        const std::vector<Batch>& batches = RecordingGL::Batches();
        ASSERT_EQ(batches.size(), c.fill == 12 ? 1u : c.quads.size());
        for (size_t q = 0; q < c.quads.size(); ++q) {
            EXPECT_EQ(batches[q].mode, static_cast<GLenum>(GL_QUADS));
            ASSERT_EQ(batches[q].vertices.size(), 4u);
            for (size_t i = 0; i < 4; ++i) {
                const V& v = c.quads[q][i];
                EXPECT_FLOAT_EQ(batches[q].vertices[i].x, v.x);
                EXPECT_FLOAT_EQ(batches[q].vertices[i].y, v.y);
                ExpectColor(batches[q].vertices[i].color, v.k == 1 ? base : base * v.k);
            }
        }
        const std::vector<RectCall> rects = Rects();
        ASSERT_EQ(rects.size(), c.fill == 12 ? 1u : 0u);
        if (c.fill == 12) {
            EXPECT_EQ(rects[0].corners, std::vector<double>({a, t, b, u}));
            ExpectColor(rects[0].color, base);
        }
    }
}

TEST(uiWidgetDrawingTest, HighlightedFillSaturates) {
    uiColorSet working;
    uiStyle style = StyleOf(1, 2);
    style.highlight = true;
    working.Refresh(uiColorTable(), style, 1.0f);
    DrawPlain(style, working);
    const std::vector<Batch>& batches = RecordingGL::Batches();
    ASSERT_EQ(batches.size(), 1u);
    ExpectColor(batches[0].vertices[0].color, uiColor(0.8f, 0.8f, 0.8f, 0.8f));
    ExpectColor(batches[0].vertices[1].color, uiColor(1.0f, 1.0f, 1.0f, 0.8f));
    ExpectColor(batches[0].vertices[2].color, uiColor(1.0f, 1.0f, 1.0f, 0.8f));
}

TEST(uiWidgetDrawingTest, BorderAndStippledContourComeLast) {
    // Bevel (4 quads), fill (1), border (4 lines), then the contour: one stippled loop, whose
    // dashes run on around its corners.
    const uiDrawList list = DrawPlain(StyleOf(3, 2, true, true));
    const std::vector<Batch>& batches = RecordingGL::Batches();
    ASSERT_EQ(batches.size(), 10u);
    EXPECT_EQ(batches[4].mode, static_cast<GLenum>(GL_QUADS));
    ExpectBatch(batches[5], GL_LINES, {{10, 20}, {111, 20}}, Entry(UICOLOR_BORDER));
    ExpectBatch(batches[8], GL_LINES, {{10, 61}, {10, 20}}, Entry(UICOLOR_BORDER));
    EXPECT_FALSE(batches[8].stippled);
    ExpectBatch(batches[9], GL_LINE_LOOP, {{18, 28}, {102, 28}, {102, 52}, {18, 52}}, Entry(UICOLOR_CONTOUR));
    EXPECT_TRUE(batches[9].stippled);
    EXPECT_EQ(RecordingGL::CallsNamed("glLineStipple").at(0).args, std::vector<double>({1, 0xCCCC}));
    EXPECT_FALSE(RecordingGL::IsEnabled(GL_LINE_STIPPLE));
    ASSERT_EQ(list.Commands().size(), 3u);
    EXPECT_EQ(list.Commands()[2].state.stipplePattern, 0xCCCC);
    EXPECT_EQ(list.Commands()[0].state.stipplePattern, 0);
}

class uiWidgetTextTest : public ::testing::Test {
protected:
    // Glyphs A (10 wide), B (11 wide) and the euro sign (12 wide), cells 15 high: "AB"
    // measures 21 x 15.
    void SetUp() override {
        KrfFont file;
        file.width = 64;
        file.height = 32;
        file.lineHeight = 15;
        file.entries = {{'A', 1, 1, 10}, {'B', 12, 1, 11}, {0x20AC, 24, 1, 12}};
        file.image = KrfPattern(64 * 32);
        WriteKrf("test.krf", file);
        RecordingGL::Reset();
        font = std::make_unique<uiFont>("test.krf", &RecordingTextures(), &ToolkitLog());
        ASSERT_TRUE(font->IsLoaded());
        RecordingGL::Reset();
    }

    void Submit() { ::Submit(list); }

    // The top-left corner of the first glyph of each text drawn, with its top colour.
    std::vector<RecordingGL::Vertex> TextStarts(size_t glyphsPerText) const {
        std::vector<RecordingGL::Vertex> starts;
        const std::vector<Batch>& batches = RecordingGL::Batches();
        for (size_t i = 0; i < batches.size(); i += glyphsPerText) {
            starts.push_back(batches[i].vertices.at(0));
        }
        return starts;
    }

    TempDir dir;
    std::unique_ptr<uiFont> font;
    uiDrawList list;
    const uiRectI box{50, 100, 150, 141};
    const uiColor text{0.9f, 0.8f, 0.7f, 0.6f};
};

TEST_F(uiWidgetTextTest, CaptionSitsAboveWithShadowFirst) {
    DrawCaptionText(list, font.get(), "AB", box, 1, uiColor(text));
    // Both copies of the caption are textured glyphs of one command; the font is unbound after.
    ASSERT_EQ(list.Commands().size(), 1u);
    EXPECT_EQ(list.Commands()[0].state.texture, static_cast<uint32_t>(font->GetTexture()));
    EXPECT_EQ(list.Texture(), 0u);
    Submit();
    const std::vector<RecordingGL::Vertex> starts = TextStarts(2);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_FLOAT_EQ(starts[0].x, 50);
    EXPECT_FLOAT_EQ(starts[0].y, 85);
    ExpectColor(starts[0].color, uiColor(0, 0, 0, 1));
    EXPECT_FLOAT_EQ(starts[1].x, 49);
    EXPECT_FLOAT_EQ(starts[1].y, 86);
    ExpectColor(starts[1].color, text);

    // The colour was a temporary; the font still draws with a live copy of it.
    font->Bind(list);
    font->DrawText("A", 0, 0);
    Submit();
    ExpectColor(RecordingGL::Batches().at(0).vertices[0].color, text);
}

TEST_F(uiWidgetTextTest, TextPlacementByAlignCode) {
    struct Case {
        bool caption;
        int align;
        uiRectI box;
        float x, y;
    };
    const Case cases[] = {
        {true, 3, box, 129, 85},
        {true, 7, box, 50, 85},
        // Centred: the middle is y1 + 41 / 2 in integers, so 120 - 7.5 truncates to 112.
        {false, 5, box, 89, 112},
        {false, 5, {-100, -50, 0, -9}, -60, -37},
        {false, 1, box, 50, 100},
        {false, 9, box, 129, 126},
        {false, 0, box, 89, 112},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.caption ? "caption " : "value ") + std::to_string(c.align));
        if (c.caption) {
            DrawCaptionText(list, font.get(), "AB", c.box, c.align, text);
        } else {
            DrawValueTextAligned(list, font.get(), "AB", c.box, c.align, text);
        }
        Submit();
        const std::vector<RecordingGL::Vertex> starts = TextStarts(2);
        ASSERT_EQ(starts.size(), c.caption ? 2u : 1u);
        EXPECT_FLOAT_EQ(starts[0].x, c.x);
        EXPECT_FLOAT_EQ(starts[0].y, c.y);
        ExpectColor(starts.back().color, text);
    }
}

// "A€B" in UTF-8 is five bytes but three characters, 33 pixels wide: centred in the 100-pixel
// box it starts at 50 + (100 - 33) / 2, truncated.
TEST_F(uiWidgetTextTest, Utf8TextIsPlacedByItsCharacters) {
    const std::string text = "A\xE2\x82\xAC"
                             "B";
    DrawValueTextAligned(list, font.get(), text, box, 5, this->text);
    Submit();
    std::vector<RecordingGL::Vertex> starts = TextStarts(3);
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_FLOAT_EQ(starts[0].x, 83);
    EXPECT_EQ(RecordingGL::Batches().back().vertices.at(1).x, 83 + 33);

    DrawCaptionText(list, font.get(), text, box, 3, this->text);
    Submit();
    starts = TextStarts(3);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_FLOAT_EQ(starts[0].x, 150 - 33);
    EXPECT_FLOAT_EQ(starts[1].x, 150 - 33 - 1);
}

TEST_F(uiWidgetTextTest, NullFontDrawsNothing) {
    DrawCaptionText(list, nullptr, "AB", box, 1, text);
    DrawValueTextAligned(list, nullptr, "AB", box, 5, text);
    EXPECT_TRUE(list.Vertices().empty());
}
