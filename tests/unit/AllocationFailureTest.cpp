// Each place where the program creates something with new (std::nothrow) has a path for a
// refused allocation. These cases refuse exactly one allocation and check that the path logs
// what failed and leaves the program in a usable state.
#include "KrfWriter.h"
#include "TrackedAllocation.h"
#include "UiLoaderTestSupport.h"
#include <vanui/uiFont.h>
#include <vanui/uiFontTable.h>

#include <algorithm>

using namespace drev;

namespace {

class AllocationFailureTest : public UiLoaderTestBase {
protected:
    ~AllocationFailureTest() override { FailNothrowAllocationAfter(-1); }

    bool LoggedLineEndsWith(const std::string& message) const {
        const Lines lines = Logged();
        return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.size() >= message.size() &&
                   line.compare(line.size() - message.size(), message.size(), message) == 0;
        });
    }

    void StartLog() { logStart = ReadFileLines("app.log").size(); }
};

TEST_F(AllocationFailureTest, FontBuffersThatCannotBeAllocatedLeaveTheFontUnloaded) {
    struct Case {
        int granted;
        const char* message;
    };
    for (const Case& c : {Case{0, "Impossible to allocate memory for char Table of uiFont[default.krf]"},
                          Case{1, "Impossible to allocate memory for image of uiFont[default.krf]"}}) {
        RecordingGL::Reset();
        StartLog();
        FailNothrowAllocationAfter(c.granted);
        uiFont font("default.krf", &RecordingTextures(), &ToolkitLog());
        EXPECT_FALSE(font.IsLoaded()) << c.message;
        EXPECT_TRUE(LoggedLineEndsWith(c.message)) << c.message;
        EXPECT_TRUE(RecordingGL::CallsNamed("glTexImage2D").empty()) << c.message;
    }
}

TEST_F(AllocationFailureTest, FontTableKeepsTheSlotsFontWhenANewOneCannotBeMade) {
    WriteTestFont("mono.krf", "Mono");
    uiFontTable table({}, &RecordingTextures(), &ToolkitLog());
    uiFont* standard = table.Slot(3);
    ASSERT_NE(standard, nullptr);

    FailNothrowAllocationAfter(0);
    EXPECT_FALSE(table.LoadItem(3, "mono.krf"));
    EXPECT_EQ(table.Slot(3), standard);
    EXPECT_TRUE(table.LoadItem(3, "mono.krf"));
    EXPECT_EQ(table.Slot(3)->Name(), "Mono 12 8x8");
}

TEST_F(AllocationFailureTest, ContextWithoutItsTimerStillRuns) {
    StartLog();
    FailNothrowAllocationAfter(0);
    context = BenchContext();
    EXPECT_TRUE(LoggedLineEndsWith("Memory allocation failure for Timer of uiContext"));
    ASSERT_TRUE(Load("uiWindow \"Main\" \"Application\" { Width 400 Height 300 }\n"
                     "uiLabel \"L\" \"Main\" { Width 50 Height 20 Animation { Wait 0 Duration 100 } }\n"));
    uiDrawList list;
    context->Tick(list);
    context->Tick(list);
    EXPECT_FALSE(list.Vertices().empty());
}

TEST_F(AllocationFailureTest, WidgetWhoseAnimationCannotBeMadeLoadsWithoutOne) {
    const std::string file = "uiWindow \"Main\" \"Application\" { Width 400 Height 300 }\n"
                             "uiLabel \"A\" \"Main\" { Animation { Wait 10 } }\n"
                             "uiLabel \"B\" \"Main\" { Animation { Wait 20 } }\n"
                             "uiLabel \"C\" \"Main\" { Animation { Wait 30 } }\n";
    FailNothrowAllocationAfter(1);
    ASSERT_TRUE(Load(file));
    EXPECT_TRUE(LoggedLineEndsWith("Memory allocation failure for Animation of widget"));
    ASSERT_EQ(context->Window(0)->ChildCount(), 3u);
    ASSERT_NE(Child(0, 0).Animation(), nullptr);
    EXPECT_EQ(Child(0, 0).Animation()->Wait, 10);
    EXPECT_EQ(Child(0, 1).Animation(), nullptr);
    ASSERT_NE(Child(0, 2).Animation(), nullptr);
    EXPECT_EQ(Child(0, 2).Animation()->Wait, 30);
}

TEST_F(AllocationFailureTest, LoggerThatCannotBeMadeLeavesTheCurrentOneWriting) {
    FailNothrowAllocationAfter(0);
    InitLog("other.log");
    StartLog();
    Log(LOG_TYPE_ERROR, "still here");
    EXPECT_TRUE(LoggedLineEndsWith("still here"));
    EXPECT_TRUE(ReadFileLines("other.log").empty());
}

} // namespace
