// A frame like the last one allocates nothing: the draw list keeps its buffers, the widgets and
// fonts reuse what they made. This executable replaces the global allocation operators with
// counting ones, so every block the toolkit and the scene ask for is seen.
#include "GL1Frames.h"
#include "BenchContext.h"
#include "FileText.h"
#include "FrameMemory.h"
#include "HandClock.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include "UiTestScene.h"

#include <vanui/uiContext.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiFont.h>
#include <vanui/uiGLBackend.h>

#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdlib>
#include <memory>
#include <new>

namespace {

size_t allocations = 0;

} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

// The toolkit makes the objects whose creation it checks with new (std::nothrow).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace {

// "vantora.ui" with the UI test window's sample font, drawn frame after frame as the window
// draws it, 55 ms apart, into one list that a GL doing nothing takes.
class SteadyFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        CopyVantoraFiles(DREV_DATA_DIR);
        RecordingGL::SetDiscard(true);
        context.SetClock(std::make_unique<HandClock>(seconds));
        ASSERT_TRUE(context.LoadUiFile("vantora.ui"));
        font = std::make_unique<uiFont>("default.krf", &RecordingTextures(), &ToolkitLog());
        ASSERT_TRUE(font->IsLoaded());
        context.SetDrawingArea(UI_TEST_WIDTH, UI_TEST_HEIGHT);
    }
    void TearDown() override { RecordingGL::SetDiscard(false); }

    void DrawFrames(int count) {
        for (int i = 0; i < count; ++i) {
            BeginUiTestFrame();
            list.Clear();
            DrawUiTestScene(list, context, font.get(), state);
            uiGLBackend::Submit(list);
            AdvanceUiTestFrame(context, state);
            seconds += 0.055;
        }
    }

    TempDir dir;
    double seconds = 0.0;
    uiContext context{BenchSettings()};
    std::unique_ptr<uiFont> font;
    UiTestFrameState state;
    uiDrawList list;
};

// After one whole replay (waiting, running and finished animations, the clock's restart), the
// next replay allocates nothing at all.
TEST_F(SteadyFrameTest, AWholeReplayAfterTheFirstAllocatesNothing) {
    DrawFrames(UI_TEST_REPLAY_FRAMES);
    const size_t before = allocations;
    DrawFrames(UI_TEST_REPLAY_FRAMES);
    EXPECT_EQ(allocations - before, 0u);
    EXPECT_GT(list.Vertices().size(), 1000u);
}

// A block of several megabytes, as the software renderer frees every frame, stays in the heap
// instead of being mapped and unmapped.
TEST(FrameMemoryTest, LargeBlocksComeFromTheHeap) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer brings its own allocator";
#else
    ASSERT_TRUE(KeepFrameMemory());
    const int mappedBefore = mallinfo2().hblks;
    void* block = std::malloc(8 * 1024 * 1024);
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(mallinfo2().hblks, mappedBefore);
    std::free(block);
#endif
}

} // namespace
