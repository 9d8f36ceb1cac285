#include "uiInternal.h"
#include "UiLoaderTestSupport.h"

#include <cmath>

namespace {

class UiWidgetTreeTest : public UiLoaderTestBase {};

const char* const TREE_FILE = "uiWindow \"A\" \"Application\" { Left 5 }\n"
                              "uiButton \"A1\" \"A\" { }\n"
                              "uiWindow \"B\" \"Application\" { }\n"
                              "uiLabel \"B1\" \"B\" { }\n"
                              "uiButton \"A2\" \"A\" { }\n"
                              "uiWindow \"A\" \"Application\" { Left 7 }\n"
                              "uiLabel \"A3\" \"A\" { }\n";

TEST_F(UiWidgetTreeTest, WindowsAndChildrenKeepFileOrderAndNamesResolveToTheFirstWindow) {
    ASSERT_TRUE(Load(TREE_FILE));
    ASSERT_EQ(context->WindowCount(), 3u);
    EXPECT_EQ(context->Window(1)->Name(), "B");
    EXPECT_EQ(context->Window(2)->Rect().Left, 7.0f);
    EXPECT_EQ(context->Window(0)->Parent(), nullptr);
    const uiGroup& first = *context->Window(0);
    ASSERT_EQ(first.ChildCount(), 3u);
    EXPECT_EQ(first.Child(1)->Name(), "A2");
    EXPECT_EQ(first.Child(2)->Name(), "A3");
    EXPECT_TRUE(context->Window(2)->ChildCount() == 0);

    EXPECT_EQ(context->FindWindow("A"), &first);
    EXPECT_EQ(context->FindWindow("b"), nullptr);
    EXPECT_EQ(context->FindWidget("B1"), context->Window(1)->Child(0));
    EXPECT_EQ(context->FindWidget("A"), nullptr);
    EXPECT_EQ(context->FindWidget("nothing"), nullptr);
    context->Window(1)->SetVisible(false);
    EXPECT_EQ(context->FindWidget("B1"), nullptr);
}

TEST_F(UiWidgetTreeTest, ParentThatIsNotAnEarlierWindowStopsTheLoad) {
    const std::pair<const char*, Lines> cases[] = {
        {"uiWindow \"Main\" \"Application\" { }\n"
         "uiButton \"Ok\" \"Later\" { }\n"
         "uiWindow \"Later\" \"Application\" { }",
         {"ERROR   : Parent [Later] of item [Ok:uiButton] not found",
          "ERROR   : UI file [test.ui] not correct: problem in item [Later]>[Ok:uiButton]"}},
        {"uiWindow \"Main\" \"Application\" { }\n"
         "uiLabel \"Inner\" \"Main\" { }\n"
         "uiText \"Deep\" \"Inner\" { }",
         {"ERROR   : Parent [Inner] of item [Deep:uiText] not found",
          "ERROR   : UI file [test.ui] not correct: problem in item [Inner]>[Deep:uiText]"}},
    };
    for (const auto& [text, lines] : cases) {
        context = BenchContext();
        EXPECT_FALSE(Load(text));
        EXPECT_EQ(Logged(), lines);
        ASSERT_EQ(context->WindowCount(), 1u);
        EXPECT_EQ(context->Window(0)->Name(), "Main");
    }
}

// A child's animation starts at the clock of its first update: the hidden one never starts.
TEST_F(UiWidgetTreeTest, WindowUpdatesItsVisibleChildrenWithItsClock) {
    ASSERT_TRUE(Load("uiWindow \"W\" \"Application\" { Width 300 Height 300 }\n"
                     "uiLabel \"first\" \"W\" { Animation { Wait 1000 } }\n"
                     "uiLabel \"hidden\" \"W\" { Animation { Wait 1000 } }\n"
                     "uiLabel \"last\" \"W\" { Animation { Wait 1000 } }\n"));
    uiWidgetNode& w = *StateOf(*context).windows[0];
    w.children[1]->SetVisible(false);
    w.Update(250.0);
    EXPECT_EQ(w.children[0]->animStart, 250.0);
    EXPECT_FALSE(w.children[1]->animStarted);
    EXPECT_EQ(w.children[2]->animStart, 250.0);
    EXPECT_EQ(w.children[2]->Parent(), &w);
}

TEST_F(UiWidgetTreeTest, HighlightAndHooks) {
    uiWidgetNode widget("W", false);
    widget.HighlightOn();
    EXPECT_TRUE(widget.Style().highlight);
    widget.HighlightOff();
    EXPECT_FALSE(widget.Style().highlight);

    uiWidgetBlock* seen = nullptr;
    widget.SetHook(5, [&seen](uiWidgetBlock* block) {
        seen = block;
        block->valueText.SetText("hooked");
    });
    EXPECT_FALSE(widget.CallHook(0));
    EXPECT_FALSE(widget.CallHook(8));
    EXPECT_FALSE(widget.CallHook(-1));
    EXPECT_TRUE(widget.CallHook(5));
    EXPECT_EQ(seen, static_cast<uiWidgetBlock*>(&widget));
    EXPECT_EQ(widget.valueText.Text(), "hooked");
}

TEST_F(UiWidgetTreeTest, IntegerEdgesTruncateTowardZero) {
    const uiRectI box = vanui::ToRectI(uiRectF{-3.7f, 2.9f, 1.0f, -5.5f});
    EXPECT_EQ(box.x1, -3);
    EXPECT_EQ(box.y1, 2);
    EXPECT_EQ(box.x2, -2);
    EXPECT_EQ(box.y2, -2);
    EXPECT_EQ(vanui::TruncateToInt(std::nan("")), 0);
}

} // namespace
