#include "uiWidgetInternals.h"
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
    ASSERT_EQ(context->Windows().size(), 3u);
    EXPECT_EQ(context->Windows()[1]->Name(), "B");
    EXPECT_EQ(context->Windows()[2]->Rect().Left, 7.0f);
    EXPECT_EQ(context->Windows()[0]->Parent(), nullptr);
    const uiGroup& first = *context->Windows()[0];
    ASSERT_EQ(first.Children().size(), 3u);
    EXPECT_EQ(first.Children()[1]->Name(), "A2");
    EXPECT_EQ(first.Children()[2]->Name(), "A3");
    EXPECT_TRUE(context->Windows()[2]->Children().empty());

    EXPECT_EQ(context->FindWindow("A"), &first);
    EXPECT_EQ(context->FindWindow("b"), nullptr);
    EXPECT_EQ(context->FindWidget("B1"), context->Windows()[1]->Children()[0].get());
    EXPECT_EQ(context->FindWidget("A"), nullptr);
    EXPECT_EQ(context->FindWidget("nothing"), nullptr);
    context->Windows()[1]->SetVisible(false);
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
        context = std::make_unique<uiContext>();
        EXPECT_FALSE(Load(text));
        EXPECT_EQ(Logged(), lines);
        ASSERT_EQ(context->Windows().size(), 1u);
        EXPECT_EQ(context->Windows()[0]->Name(), "Main");
    }
}

struct StepRecorder : uiWidget {
    void Update(const double& clock) override { steps->push_back(Name() + "@" + std::to_string(clock)); }
    std::vector<std::string>* steps = nullptr;
};

TEST_F(UiWidgetTreeTest, WindowUpdatesItsVisibleChildrenInOrderWithItsClock) {
    std::vector<std::string> steps;
    uiGroup window;
    for (const char* name : {"first", "hidden", "last"}) {
        auto child = std::make_unique<StepRecorder>();
        uiWidgetInternals::SetName(*child, name);
        child->steps = &steps;
        child->SetVisible(std::string(name) != "hidden");
        EXPECT_EQ(uiWidgetInternals::AddChild(window, std::move(child))->Parent(), &window);
    }
    uiDrawList list;
    uiWidgetInternals::Update(window, 250.0, list);
    EXPECT_EQ(steps, (std::vector<std::string>{"first@250.000000", "last@250.000000"}));
}

TEST_F(UiWidgetTreeTest, HighlightAndHooks) {
    uiWidget widget;
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
