// The draw list's own rules (which primitives share a command, what the current colour is,
// buffers kept by Clear) and what the GL backend makes of a list: one draw per command, state
// changed only where a command needs another, and the GL left as it was found.
#include "RecordingGL.h"

#include <vanui/uiDrawList.h>
#include <vanui/uiGLBackend.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

uiDrawVertex At(float x, float y, float r = 1.0f, float g = 1.0f, float b = 1.0f, float a = 1.0f) {
    return uiDrawVertex{x, y, 0.0f, 0.0f, uiDrawColor::FromReals(r, g, b, a)};
}

void AddSquare(uiDrawList& list, float x, float r = 1.0f) {
    list.AddQuad(At(x, 0, r), At(x + 1, 0, r), At(x + 1, 1, r), At(x, 1, r));
}

std::vector<uiPrimitive> Primitives(const uiDrawList& list) {
    std::vector<uiPrimitive> primitives;
    for (const uiDrawCommand& command : list.Commands()) {
        primitives.push_back(command.primitive);
    }
    return primitives;
}

// Quads, triangles and separate lines of one state join the command before them; a change of
// texture, stipple or kind starts a new one, and a line loop is never joined, as two loops
// joined would be one loop.
TEST(uiDrawListTest, CommandsJoinOnlyWhatCanBeDrawnAsOne) {
    uiDrawList list;
    AddSquare(list, 0);
    AddSquare(list, 2);
    list.SetTexture(7);
    AddSquare(list, 4);
    list.AddLine(At(0, 0), At(1, 1));
    list.AddLine(At(1, 1), At(2, 2));
    list.SetLineStipple(2, 0xAAAA);
    list.AddLine(At(2, 2), At(3, 3));
    const uiDrawVertex loop[3] = {At(0, 0), At(1, 0), At(1, 1)};
    list.AddLineLoop(loop, 3);
    list.AddLineLoop(loop, 3);
    list.ClearLineStipple();
    list.AddTriangle(At(0, 0), At(1, 0), At(1, 1));
    list.AddTriangle(At(0, 0), At(1, 0), At(1, 1));

    const std::vector<uiPrimitive> expected = {uiPrimitive::Triangles, uiPrimitive::Triangles, uiPrimitive::Lines,
                                               uiPrimitive::Lines,     uiPrimitive::LineLoop,  uiPrimitive::LineLoop,
                                               uiPrimitive::Triangles};
    EXPECT_EQ(Primitives(list), expected);
    const std::vector<uiDrawCommand>& commands = list.Commands();
    EXPECT_EQ(commands[0].indexCount, 12u);
    EXPECT_EQ(commands[1].state.texture, 7u);
    EXPECT_EQ(commands[1].firstIndex, 12u);
    EXPECT_EQ(commands[2].indexCount, 4u);
    EXPECT_EQ(commands[3].state.stipplePattern, 0xAAAA);
    EXPECT_EQ(commands[3].state.stippleFactor, 2);
    EXPECT_EQ(commands[6].indexCount, 6u);
    EXPECT_EQ(commands[6].firstIndex + commands[6].indexCount, list.Indices().size());
    // Every command counts from the list's first vertex while 16-bit indices reach: the third
    // square, in a command of its own, is (8 9 10 8 10 11).
    const auto& indices = list.Indices();
    EXPECT_EQ(std::vector<uiDrawIndex>(indices.begin() + 6, indices.begin() + 12),
              (std::vector<uiDrawIndex>{4, 5, 6, 4, 6, 7}));
    EXPECT_EQ(std::vector<uiDrawIndex>(indices.begin() + 12, indices.begin() + 18),
              (std::vector<uiDrawIndex>{8, 9, 10, 8, 10, 11}));
    for (const uiDrawCommand& command : commands) {
        EXPECT_EQ(command.vertexOffset, 0u);
    }
    EXPECT_EQ(indices.back(), list.Vertices().size() - 1);
}

// A command takes vertices while 16-bit indices can name them; the next quad starts a command.
TEST(uiDrawListTest, CommandsStayWithinSixteenBitIndices) {
    uiDrawList list;
    for (uint32_t quad = 0; quad < uiDrawList::MAX_COMMAND_VERTICES / 4 + 1; ++quad) {
        AddSquare(list, 0);
    }
    ASSERT_EQ(list.Commands().size(), 2u);
    EXPECT_EQ(list.Commands()[0].indexCount, uiDrawList::MAX_COMMAND_VERTICES / 4 * 6);
    EXPECT_EQ(list.Commands()[1].vertexOffset, uiDrawList::MAX_COMMAND_VERTICES);
    EXPECT_EQ(list.Indices().back(), 3u);
}

// As a GL's current colour: white at first, then the colour of the last vertex sent, until a
// colour is set; a vertex appended after that takes over again.
TEST(uiDrawListTest, CurrentColourFollowsTheLastVertexOrTheColourSetSince) {
    uiDrawList list;
    EXPECT_EQ(list.CurrentColor().g, 255);
    AddSquare(list, 0, 0.25f);
    EXPECT_EQ(list.CurrentColor().r, 64);
    list.SetCurrentColor(uiDrawColor{128, 0, 0, 255});
    EXPECT_EQ(list.CurrentColor().r, 128);
    list.AddLine(At(0, 0, 0.75f), At(1, 1, 0.125f));
    EXPECT_EQ(list.CurrentColor().r, 32);

    list.Clear();
    EXPECT_EQ(list.CurrentColor().r, 255);
    EXPECT_EQ(list.Texture(), 0u);
}

TEST(uiDrawListTest, ClearKeepsTheBuffers) {
    uiDrawList list;
    for (int i = 0; i < 100; ++i) {
        list.SetTexture(static_cast<uint32_t>(i % 2));
        AddSquare(list, static_cast<float>(i));
    }
    const uiDrawVertex* buffer = list.Vertices().data();
    const size_t capacity = list.Vertices().capacity();
    list.Clear();
    EXPECT_TRUE(list.Vertices().empty());
    EXPECT_TRUE(list.Commands().empty());
    for (int i = 0; i < 100; ++i) {
        AddSquare(list, static_cast<float>(i));
    }
    EXPECT_EQ(list.Vertices().data(), buffer);
    EXPECT_EQ(list.Vertices().capacity(), capacity);
}

class uiGLBackendTest : public ::testing::Test {
protected:
    void SetUp() override { RecordingGL::Reset(); }
};

// Colours are rounded to the nearest of 256 steps and clamped, as a GL clamps them.
TEST(uiDrawListTest, ColoursTakeTheNearestStep) {
    const struct {
        float real;
        uint8_t step;
    } cases[] = {{0.0f, 0}, {0.3f, 77}, {0.8f, 204}, {1.0f, 255}, {1.2f, 255}, {-0.5f, 0}, {std::nanf(""), 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(uiDrawColor::FromReals(c.real, 0, 0, 0).r, c.step) << c.real;
    }
}

// One glDrawElements per command; the texture is bound, and texturing and stippling switched,
// only where the command differs from the one before.
TEST_F(uiGLBackendTest, OneDrawPerCommandAndOnlyTheStateThatChanges) {
    uiDrawList list;
    list.SetTexture(3);
    AddSquare(list, 0);
    list.AddLineLoop(std::vector<uiDrawVertex>{At(0, 0), At(1, 0), At(1, 1)}.data(), 3);
    list.SetTexture(0);
    list.SetLineStipple(1, 0x00FF);
    list.AddLine(At(0, 0), At(5, 0));
    list.ClearLineStipple();
    AddSquare(list, 9, 0.5f);
    uiGLBackend::Submit(list);

    const std::vector<RecordingGL::Call> draws = RecordingGL::CallsNamed("glDrawElements");
    ASSERT_EQ(draws.size(), 4u);
    const double modeAndCount[4][2] = {{GL_TRIANGLES, 6}, {GL_LINE_LOOP, 3}, {GL_LINES, 2}, {GL_TRIANGLES, 6}};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::vector<double>(draws[i].args.begin(), draws[i].args.begin() + 2),
                  std::vector<double>(modeAndCount[i], modeAndCount[i] + 2));
    }
    EXPECT_EQ(RecordingGL::CallsNamed("glBindTexture").size(), 1u);
    EXPECT_EQ(RecordingGL::CallsNamed("glLineStipple").size(), 1u);

    const std::vector<RecordingGL::Batch>& batches = RecordingGL::Batches();
    ASSERT_EQ(batches.size(), 4u);
    EXPECT_EQ(batches[0].texture, 3u);
    EXPECT_EQ(batches[1].texture, 3u);
    EXPECT_EQ(batches[1].mode, static_cast<GLenum>(GL_LINE_LOOP));
    EXPECT_EQ(batches[2].texture, 0u);
    EXPECT_TRUE(batches[2].stippled);
    EXPECT_FALSE(batches[3].stippled);
    EXPECT_FLOAT_EQ(batches[3].vertices[0].color[0], 128 / 255.0f);
    EXPECT_FLOAT_EQ(batches[3].vertices[2].x, 10.0f);
}

// Whatever the list needed, the GL is as it was before: enables, client arrays, texture.
TEST_F(uiGLBackendTest, LeavesTheGLAsItFoundIt) {
    glEnable(GL_BLEND);
    uiDrawList list;
    list.SetTexture(5);
    list.SetLineStipple(1, 0x0F0F);
    list.AddLine(At(0, 0), At(1, 1));
    uiGLBackend::Submit(list);
    EXPECT_TRUE(RecordingGL::IsEnabled(GL_BLEND));
    EXPECT_FALSE(RecordingGL::IsEnabled(GL_TEXTURE_2D));
    EXPECT_FALSE(RecordingGL::IsEnabled(GL_LINE_STIPPLE));
    EXPECT_FALSE(RecordingGL::IsClientArrayEnabled(GL_VERTEX_ARRAY));
    EXPECT_FALSE(RecordingGL::IsClientArrayEnabled(GL_COLOR_ARRAY));
    EXPECT_EQ(RecordingGL::BoundTexture(), 0u);

    // An empty list sends nothing at all.
    RecordingGL::Reset();
    list.Clear();
    uiGLBackend::Submit(list);
    EXPECT_TRUE(RecordingGL::Calls().empty());
}

} // namespace
