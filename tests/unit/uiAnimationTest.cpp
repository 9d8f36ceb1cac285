#include "UiRuntimeTestSupport.h"

#include <cstdio>
#include <string>

namespace {

class AnimationTest : public UiRuntimeTestBase {
protected:
    // A window at the top left that draws no shape of its own, holding one label "W" that
    // draws just its flat fill.
    uiWidget& LoadLabel(const std::string& placement, const std::string& animation) {
        const std::string text = "uiWindow \"Main\" \"Application\" { Left 0 Top 0 Width 800 Height 600 "
                                 "Style { Aspect 1 Fill 1 } }\n"
                                 "uiLabel \"W\" \"Main\" { " +
                                 placement + " Style { Aspect 1 Fill 12 } " + animation + " }\n";
        EXPECT_TRUE(Load(text));
        return Child(0, 0);
    }
};

void ExpectRect(const DrawnRect& rect, float x1, float y1, float x2, float y2) {
    EXPECT_FLOAT_EQ(rect.x1, x1);
    EXPECT_FLOAT_EQ(rect.y1, y1);
    EXPECT_FLOAT_EQ(rect.x2, x2);
    EXPECT_FLOAT_EQ(rect.y2, y2);
}

void ExpectBox(const uiRectI& box, int x1, int y1, int x2, int y2) {
    EXPECT_EQ(box.x1, x1);
    EXPECT_EQ(box.y1, y1);
    EXPECT_EQ(box.x2, x2);
    EXPECT_EQ(box.y2, y2);
}

// ---- Placement ----

TEST_F(AnimationTest, EdgesThatStickOutArePulledBackAndReportedOnce) {
    struct Case {
        const char* file;
        Lines logged;
        float left;
        float top;
    };
    const Case cases[] = {
        {"uiWindow \"Main\" \"Application\" { Width 100 Height 100 }"
         " uiLabel \"C\" \"Main\" { Left 90 Width 30 Height 10 }",
         {"ERROR   : Left of [C] places it outside of parent [Main]. Left forced by [-20]."},
         70.0f,
         0.0f},
        {"uiWindow \"Main\" \"Application\" { Left 100 Top 50 Width 100 Height 100 }"
         " uiLabel \"C\" \"Main\" { Left 90 Top 60 Width 30 Height 80 }",
         {"ERROR   : Left of [C] places it outside of parent [Main]. Left forced by [-20].",
          "ERROR   : Top of [C] places it outside of parent [Main]. Top forced by [-40]."},
         70.0f,
         20.0f},
        {"uiWindow \"Main\" \"Application\" { Left 750 Top 550 Width 100 Height 80 }",
         {"ERROR   : Left of [Main] places it outside of window. Left forced by [-50].",
          "ERROR   : Top of [Main] places it outside of window. Top forced by [-30]."},
         700.0f,
         520.0f},
        {"uiWindow \"Main\" \"Application\" { Left -20 Top -10 Width 100 Height 80 }"
         " uiLabel \"C\" \"Main\" { Left -5 Top -5 Width 100 Height 85 }",
         {},
         -5.0f,
         -5.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        FreshContext();
        ASSERT_TRUE(Load(c.file));
        for (int frame = 0; frame < 3; ++frame) {
            TickAt(frame * 50.0);
        }
        EXPECT_EQ(Logged(), c.logged);
        const uiGroup& window = *context->Window(0);
        const uiWidget& moved =
            window.ChildCount() == 0 ? static_cast<const uiWidget&>(window) : *window.Child(0);
        EXPECT_EQ(moved.Rect().Left, c.left);
        EXPECT_EQ(moved.Rect().Top, c.top);
        EXPECT_EQ(moved.localBox.x1, static_cast<int>(c.left));
    }
}

// Placements beyond the 32-bit range cannot be brought back by one correction; they are
// reported once and nothing overflows.
TEST_F(AnimationTest, PlacementsBeyondTheIntegerRangeAreReportedOnce) {
    ASSERT_TRUE(Load("uiWindow \"Far\" \"Application\" { Left 1e30 Top -1e30 Width 10 Height 1e999 }"
                     " uiLabel \"Wide\" \"Far\" { Width 1e30 Height 5 }"));
    for (int frame = 0; frame < 4; ++frame) {
        TickAt(frame * 50.0);
    }
    EXPECT_EQ(
        Logged(),
        (Lines{"ERROR   : Left of [Far] places it outside of window. Left forced by [-2147482847].",
               "ERROR   : Top of [Far] places it outside of window. Top forced by [-2147483047].",
               "ERROR   : Left of [Wide] places it outside of parent [Far]. Left forced by [-2147483647]."}));

    // Moving the window again makes a new correction, reported again.
    context->Window(0)->SetRect(uiRectF{750.0f, 0.0f, 100.0f, 10.0f});
    logStart = ReadFileLines("app.log").size();
    TickAt(500.0);
    TickAt(550.0);
    EXPECT_EQ(Logged(),
              (Lines{"ERROR   : Left of [Far] places it outside of window. Left forced by [-50]."}));
    EXPECT_EQ(context->Window(0)->Rect().Left, 700.0f);
}

// ---- Animation phases ----

TEST_F(AnimationTest, WaitRunAndFinishWithFade) {
    uiWidget& widget = LoadLabel("Left 10 Top 20 Width 100 Height 40",
                                 "Animation { Type 0 Wait 500 Duration 1000 DoFade true }");
    struct Frame {
        double clock;
        bool drawn;
        float progress;
        bool texts;
    };
    // The animation takes its start time on the first update, at 1000.
    const Frame frames[] = {
        {1000.0, false, 0.0f, false}, {1500.0, false, 0.0f, false}, {1600.0, true, 0.0f, false},
        {2100.0, true, 0.5f, false},  {2500.0, true, 0.9f, false},  {2501.0, true, 0.9f, true},
    };
    for (const Frame& frame : frames) {
        SCOPED_TRACE(frame.clock);
        UpdateAt(widget, frame.clock);
        EXPECT_EQ(Node(widget).animTime, frame.clock - 1000.0);
        EXPECT_NEAR(Node(widget).animProgress, frame.progress, 1e-6);
        if (!frame.drawn) {
            EXPECT_TRUE(RecordingGL::Calls().empty());
            EXPECT_FALSE(widget.IsPlaced());
            continue;
        }
        const std::vector<DrawnRect> rects = DrawnRects();
        ASSERT_EQ(rects.size(), 1u);
        ExpectRect(rects[0], 10.0f, 20.0f, 110.0f, 60.0f);
        const float alpha = frame.texts ? 0.8f : 0.8f * frame.progress;
        EXPECT_NEAR(rects[0].color[3], alpha, 0.5 / 255);
        EXPECT_EQ(TextsDrawn(), frame.texts ? 3u : 0u);
        EXPECT_EQ(widget.IsPlaced(), frame.texts);
        if (frame.texts) {
            ExpectBox(widget.ScreenBox(), 10, 20, 110, 60);
        } else {
            EXPECT_NEAR(Node(widget).fade, frame.progress, 1e-6);
            ExpectBox(widget.ScreenBox(), 0, 0, 10, 10);
        }
    }
    // The per-frame traces go to the log at a type it never writes.
    EXPECT_TRUE(Logged().empty());
}

TEST_F(AnimationTest, PathStartsAtTheStartPointRelativeToTheParent) {
    struct Case {
        const char* window;
        const char* animation;
        float x;
        float y;
    };
    const Case cases[] = {
        {"Left 0 Top 0", "StartX 0 StartY 0", 0.0f, 0.0f},
        {"Left 30 Top 40", "StartX 10 StartY 6", 40.0f, 46.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.window);
        FreshContext();
        ASSERT_TRUE(
            Load(std::string("uiWindow \"Main\" \"Application\" { ") + c.window +
                 " Width 400 Height 300 }"
                 " uiLabel \"W\" \"Main\" { Left 200 Top 100 Width 50 Height 20 Style { Aspect 1 Fill 12 }"
                 " Animation { Wait 0 Duration 1000 DoPath true " +
                 c.animation + " } }"));
        uiWidget& widget = Child(0, 0);
        UpdateAt(widget, 0.0);
        EXPECT_TRUE(DrawnRects().empty());
        UpdateAt(widget, 10.0);
        ASSERT_EQ(DrawnRects().size(), 1u);
        ExpectRect(DrawnRects()[0], c.x, c.y, c.x + 50.0f, c.y + 20.0f);
        EXPECT_NEAR(DrawnRects()[0].color[3], 0.8f, 0.5 / 255);
        UpdateAt(widget, 510.0);
        const float halfX = (c.x + 200.0f + widget.Parent()->Rect().Left) / 2.0f;
        const float halfY = (c.y + 100.0f + widget.Parent()->Rect().Top) / 2.0f;
        ExpectRect(DrawnRects()[0], halfX, halfY, halfX + 50.0f, halfY + 20.0f);
        EXPECT_TRUE(Logged().empty());
    }
}

TEST_F(AnimationTest, TypeSetsTheExtentsAndTheDrawing) {
    struct Case {
        int type;
        float extentX, extentY;
        float x1, y1, x2, y2;
    };
    const Case cases[] = {
        {0, 0.0f, 0.0f, 0, 0, 100, 40},  {1, 0.5f, 1.0f, 0, 0, 50, 40},  {2, 1.0f, 0.5f, 0, 0, 100, 20},
        {3, 0.5f, 0.5f, 0, 0, 50, 20},   {4, 0.5f, 1.0f, 25, 0, 75, 40}, {5, 1.0f, 0.5f, 0, 10, 100, 30},
        {6, 0.5f, 0.5f, 25, 10, 75, 30},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        FreshContext();
        uiWidget& widget =
            LoadLabel("Left 0 Top 0 Width 100 Height 40",
                      "Animation { Wait 0 Duration 1000 Type " + std::to_string(c.type) + " }");
        for (double clock : {0.0, 100.0, 600.0}) {
            UpdateAt(widget, clock);
        }
        EXPECT_EQ(Node(widget).extentX, c.extentX);
        EXPECT_EQ(Node(widget).extentY, c.extentY);
        ASSERT_EQ(DrawnRects().size(), 1u);
        ExpectRect(DrawnRects()[0], c.x1, c.y1, c.x2, c.y2);
        EXPECT_EQ(TextsDrawn(), 0u);
    }
    EXPECT_TRUE(Logged().empty());
}

TEST_F(AnimationTest, UnknownTypeIsReportedOnceAndDrawnWhole) {
    uiWidget& widget =
        LoadLabel("Left 0 Top 0 Width 100 Height 40", "Animation { Wait 0 Duration 1000 Type 9 }");
    for (double clock : {0.0, 100.0, 600.0, 900.0}) {
        UpdateAt(widget, clock);
        ASSERT_FALSE(widget.IsPlaced());
    }
    EXPECT_EQ(Logged(), (Lines{"ERROR   : [W]: Wrong animation type [9]. Forced to UIANIMT_NONE [0]"}));
    EXPECT_EQ(widget.Animation()->Type, UIANIMT_NONE);
    ExpectRect(DrawnRects()[0], 0, 0, 100, 40);
}

// A running phase of no length: the widget appears finished as soon as its wait is over.
TEST_F(AnimationTest, DurationOfZeroOrLessSkipsTheRunningPhase) {
    for (const char* duration : {"0", "-50"}) {
        SCOPED_TRACE(duration);
        FreshContext();
        uiWidget& widget =
            LoadLabel("Left 0 Top 0 Width 100 Height 40",
                      std::string("Animation { Type 4 DoFade true Wait 100 Duration ") + duration + " }");
        UpdateAt(widget, 0.0);
        UpdateAt(widget, 100.0);
        EXPECT_TRUE(RecordingGL::Calls().empty());
        UpdateAt(widget, 101.0);
        EXPECT_TRUE(widget.IsPlaced());
        EXPECT_EQ(TextsDrawn(), 3u);
        ExpectRect(DrawnRects()[0], 0, 0, 100, 40);
        EXPECT_NEAR(DrawnRects()[0].color[3], 0.8f, 0.5 / 255);
        EXPECT_EQ(Node(widget).animProgress, 0.0f);
    }
}

// ---- Clock ----

TEST_F(AnimationTest, ClockStartsAtZeroAndResetReplaysAnimations) {
    uiWidget& widget = LoadLabel("Left 0 Top 0 Width 100 Height 40", "Animation { Wait 500 Duration 1000 }");
    TickAt(0.0);
    EXPECT_TRUE(StateOf(*context).clockStarted);
    EXPECT_EQ(context->ClockMs(), 0.0);
    EXPECT_EQ(Node(widget).animStart, 0.0);
    struct Frame {
        double ms;
        bool placed;
        float progress;
    };
    const Frame firstRun[] = {{600.0, false, 0.0f}, {1100.0, false, 0.5f}, {1600.0, true, 0.5f}};
    const Frame replay[] = {
        {0.0, false, 0.5f}, {700.0, false, 0.1f}, {1200.0, false, 0.6f}, {1501.0, true, 0.6f}};
    for (const Frame& frame : firstRun) {
        TickAt(frame.ms);
        EXPECT_NEAR(context->ClockMs(), frame.ms, 1e-6);
        EXPECT_EQ(widget.IsPlaced(), frame.placed);
        EXPECT_NEAR(Node(widget).animProgress, frame.progress, 1e-6);
    }

    context->ResetClock();
    EXPECT_FALSE(StateOf(*context).clockStarted);
    EXPECT_EQ(context->ClockMs(), 0.0);
    const double restart = 5000.0;
    for (const Frame& frame : replay) {
        SCOPED_TRACE(frame.ms);
        TickAt(restart + frame.ms);
        EXPECT_NEAR(context->ClockMs(), frame.ms, 1e-6);
        EXPECT_EQ(widget.IsPlaced(), frame.placed);
        EXPECT_NEAR(Node(widget).animProgress, frame.progress, 1e-6);
        EXPECT_EQ(DrawnRects().size(), frame.ms > 500.0 ? 1u : 0u);
    }
}

TEST_F(AnimationTest, TickUpdatesVisibleWindowsInOrderAndTheirVisibleChildren) {
    ASSERT_TRUE(
        Load("uiWindow \"A\" \"Application\" { Left 0 Width 50 Height 50 Style { Aspect 1 Fill 12 } }"
             " uiLabel \"A1\" \"A\" { Left 5 Width 10 Height 10 Style { Aspect 1 Fill 12 } }"
             " uiLabel \"A2\" \"A\" { Left 20 Width 10 Height 10 Style { Aspect 1 Fill 12 } }"
             " uiWindow \"B\" \"Application\" { Left 100 Width 50 Height 50 Style { Aspect 1 Fill 12 } }"
             " uiWindow \"C\" \"Application\" { Left 200 Width 50 Height 50 Style { Aspect 1 Fill 12 } }"));
    Child(0, 1).SetVisible(false);
    context->Window(1)->SetVisible(false);
    TickAt(0.0);
    const std::vector<DrawnRect> rects = DrawnRects();
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[0].x1, 0.0f);
    EXPECT_EQ(rects[1].x1, 5.0f);
    EXPECT_EQ(rects[2].x1, 200.0f);
    EXPECT_FALSE(context->Window(1)->IsPlaced());
}

// ---- Looks that are choices of this toolkit ----

TEST_F(AnimationTest, StaticWidgetShowsItsTextsInTheTextColour) {
    uiWidget& widget = LoadLabel("Left 10 Top 200 Width 100 Height 40", "");
    uiStyle unfilled = widget.Style();
    unfilled.Fill = 1;
    widget.SetStyle(unfilled);
    widget.SetCaption("A");
    widget.valueText.SetText("A");
    UpdateAt(widget, 0.0);
    EXPECT_TRUE(widget.IsPlaced());
    ExpectBox(widget.ScreenBox(), 10, 200, 110, 240);
    EXPECT_EQ(TextsDrawn(), 3u);
    // Caption shadow, caption, value text: one quad each for the one letter.
    const std::vector<RecordingGL::Batch>& batches = RecordingGL::Batches();
    ASSERT_EQ(batches.size(), 3u);
    const uiColor text = context->Colors().GetEntry(UICOLOR_TEXT);
    const float expected[3][4] = {
        {0.0f, 0.0f, 0.0f, 1.0f}, {text.r, text.g, text.b, text.a}, {text.r, text.g, text.b, text.a}};
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        for (int k = 0; k < 4; ++k) {
            EXPECT_FLOAT_EQ(batches[i].vertices[0].color[k], uiDrawColor::Step(expected[i][k]) / 255.0f);
        }
    }
}

TEST_F(AnimationTest, EmptyFontSlotsDrawNoText) {
    WriteFileText("test.ui", "uiWindow \"Main\" \"Application\" { Width 100 Height 100 }");
    std::remove("default.krf");
    uiContext bare(BenchSettings());
    bare.SetDrawingArea(800, 600);
    ASSERT_TRUE(bare.LoadUiFile("test.ui"));
    frame.Clear();
    bare.Tick(frame);
    Submit();
    EXPECT_EQ(DrawnRects().size(), 1u);
    EXPECT_EQ(TextsDrawn(), 0u);
    EXPECT_TRUE(bare.Window(0)->IsPlaced());
}

TEST_F(AnimationTest, WindowsAnimateWithTheContextClockBeforeTheirChildren) {
    ASSERT_TRUE(
        Load("uiWindow \"Main\" \"Application\" { Left 0 Top 0 Width 200 Height 100"
             " Style { Aspect 1 Fill 12 } Animation { Wait 100 Duration 100 Type 1 } }"
             " uiLabel \"Inner\" \"Main\" { Left 10 Top 10 Width 20 Height 20 Style { Aspect 1 Fill 12 } }"));
    const uiGroup& window = *context->Window(0);
    TickAt(0.0);
    ASSERT_EQ(DrawnRects().size(), 1u);
    ExpectRect(DrawnRects()[0], 10, 10, 30, 30);
    TickAt(120.0);
    TickAt(170.0);
    ASSERT_EQ(DrawnRects().size(), 2u);
    ExpectRect(DrawnRects()[0], 0, 0, 100, 100);
    EXPECT_FALSE(window.IsPlaced());
    TickAt(201.0);
    ExpectRect(DrawnRects()[0], 0, 0, 200, 100);
    EXPECT_TRUE(window.IsPlaced());
}

} // namespace
