#include "UiRuntimeTestSupport.h"

#include <string>

namespace {

using Events = std::vector<std::string>;

// Records highlight changes and focus hooks, in order, as "<name>:on", "<name>:off" and
// "<name>:<slot>".
struct RecordingWidget : uiWidget {
    void HighlightOn() override {
        events->push_back(name + ":on");
        uiWidget::HighlightOn();
    }
    void HighlightOff() override {
        events->push_back(name + ":off");
        uiWidget::HighlightOff();
    }
    Events* events = nullptr;
};

// Window "Main" at 0, 0, 300 x 300 with buttons A (screen 10,10..110,50) and B (110,10..210,50)
// sharing the edge x = 110, and the label L (10,100..110,140); window "Second" at 200, 200 with
// button C (210,210..260,260), which lies inside Main's area too.
class InputTest : public UiRuntimeTestBase {
protected:
    InputTest() {
        uiGroup& main = AddWindow("Main", {0, 0, 300, 300});
        a = &AddChild(main, "A", {10, 10, 100, 40}, true);
        b = &AddChild(main, "B", {110, 10, 100, 40}, true);
        label = &AddChild(main, "L", {10, 100, 100, 40}, false);
        uiGroup& second = AddWindow("Second", {200, 200, 100, 100});
        c = &AddChild(second, "C", {10, 10, 50, 50}, true);
        TickAt(0.0);
    }

    void SetUpWidget(uiWidget& widget, const char* name, const uiRectF& rect) {
        widget.name = name;
        widget.caption = name;
        widget.valueText.SetText(std::string(name) + "::val");
        widget.SetRect(rect);
        widget.context = context.get();
        widget.colorTable = &context->colorTable;
        widget.workColors = &context->workColors;
    }

    uiGroup& AddWindow(const char* name, const uiRectF& rect) {
        context->windows.push_back(std::make_unique<uiGroup>());
        SetUpWidget(*context->windows.back(), name, rect);
        return *context->windows.back();
    }

    RecordingWidget& AddChild(uiGroup& window, const char* name, const uiRectF& rect, bool clickable) {
        auto child = std::make_unique<RecordingWidget>();
        SetUpWidget(*child, name, rect);
        child->clickable = clickable;
        child->events = &events;
        for (int slot = 0; slot < uiWidget::HOOK_COUNT; ++slot) {
            child->hooks[static_cast<size_t>(slot)] = [this, name, slot](uiWidgetBlock*) {
                events.push_back(std::string(name) + ":" + std::to_string(slot));
            };
        }
        return static_cast<RecordingWidget&>(*window.AddChild(std::move(child)));
    }

    void Click(int x, int y) {
        context->MouseButton(0, 0, x, y);
        context->MouseButton(0, 1, x, y);
    }

    Events events;
    RecordingWidget* a = nullptr;
    RecordingWidget* b = nullptr;
    RecordingWidget* label = nullptr;
    RecordingWidget* c = nullptr;
};

// ---- Hit tests ----

TEST_F(InputTest, HitTestExcludesTheEdges) {
    const struct {
        int x, y;
        bool hit;
    } points[] = {{11, 11, true},  {109, 49, true}, {10, 30, false}, {110, 30, false},
                  {50, 10, false}, {50, 50, false}, {9, 30, false},  {50, 51, false}};
    for (const auto& point : points) {
        EXPECT_EQ(a->HitTest(point.x, point.y), point.hit) << point.x << "," << point.y;
    }
}

TEST_F(InputTest, FindClickableSearchesVisibleWindowsForClickableChildren) {
    EXPECT_EQ(context->FindClickable(50, 30), a);
    EXPECT_EQ(context->FindClickable(150, 30), b);
    EXPECT_EQ(context->FindClickable(110, 30), nullptr);
    EXPECT_EQ(context->FindClickable(50, 120), nullptr);
    EXPECT_EQ(context->FindClickable(150, 150), nullptr);
    // Main contains the point but has no clickable child there, so Second is searched.
    EXPECT_EQ(context->FindClickable(220, 220), c);
    c->visible = false;
    EXPECT_EQ(context->FindClickable(220, 220), c);
    context->windows[1]->visible = false;
    EXPECT_EQ(context->FindClickable(220, 220), nullptr);
}

// ---- Hover ----

TEST_F(InputTest, HoverMovesTheHighlightAndShowsThePosition) {
    context->MouseMoved(50, 30);
    EXPECT_EQ(events, (Events{"A:on"}));
    EXPECT_EQ(uiContext::HoveredWidget(), a);
    EXPECT_TRUE(a->style.highlight);
    EXPECT_EQ(a->valueText.Text(), "50 , 30");

    context->MouseMoved(60, 31);
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(a->valueText.Text(), "60 , 31");

    context->MouseMoved(150, 30);
    EXPECT_EQ(events, (Events{"A:on", "A:off", "B:on"}));
    EXPECT_FALSE(a->style.highlight);
    EXPECT_EQ(b->valueText.Text(), "150 , 30");

    context->MouseMoved(150, 150);
    EXPECT_EQ(events.back(), "B:off");
    EXPECT_EQ(uiContext::HoveredWidget(), nullptr);
    EXPECT_EQ(b->valueText.Text(), "150 , 30");
    EXPECT_EQ(context->mouseX, 150);
    EXPECT_EQ(context->mouseY, 150);

    context->MouseDragged(55, 35);
    EXPECT_EQ(context->mouseX, 55);
    EXPECT_EQ(context->mouseY, 35);
    EXPECT_EQ(events.size(), 4u);
    EXPECT_EQ(a->valueText.Text(), "60 , 31");
}

// ---- Buttons and focus ----

TEST_F(InputTest, ReleaseOnThePressedWidgetMovesTheFocusWithItsHooks) {
    context->focus = b;
    context->MouseButton(0, 0, 50, 30);
    EXPECT_EQ(a->valueText.Text(), "HIT");
    EXPECT_EQ(a->style.Aspect, 4);
    EXPECT_TRUE(context->buttonDown);
    EXPECT_EQ(uiContext::PressedWidget(), a);

    context->MouseButton(0, 1, 60, 40);
    EXPECT_EQ(a->style.Aspect, 3);
    EXPECT_FALSE(context->buttonDown);
    EXPECT_EQ(context->focus, a);
    EXPECT_EQ(events, (Events{"B:1", "A:0", "A:5"}));
}

TEST_F(InputTest, ReleaseElsewhereRaisesThePressedWidgetAndKeepsTheFocus) {
    const struct {
        const char* where;
        int x, y;
    } releases[] = {{"empty space", 150, 150}, {"another button", 150, 30}, {"a label", 50, 120}};
    for (const auto& release : releases) {
        SCOPED_TRACE(release.where);
        b->style.Aspect = 7;
        context->focus = c;
        context->MouseButton(0, 0, 50, 30);
        context->MouseMoved(release.x, release.y);
        context->MouseButton(0, 1, release.x, release.y);
        EXPECT_EQ(a->style.Aspect, 3);
        EXPECT_EQ(b->style.Aspect, 7);
        EXPECT_EQ(context->focus, c);
        EXPECT_FALSE(context->buttonDown);
    }
    EXPECT_EQ(events, (Events{"B:on", "B:off"}));
}

TEST_F(InputTest, PressOnEmptySpaceKeepsThePressedWidget) {
    Click(50, 30);
    events.clear();
    context->MouseButton(0, 0, 150, 150);
    EXPECT_EQ(uiContext::PressedWidget(), a);
    EXPECT_FALSE(context->buttonDown);
    context->focus = nullptr;
    context->MouseButton(0, 1, 50, 30);
    EXPECT_EQ(context->focus, a);
    EXPECT_EQ(events, (Events{"A:0", "A:5"}));
}

TEST_F(InputTest, OnlyTheLeftButtonActsAndAnyStateButZeroIsARelease) {
    context->MouseButton(2, 0, 50, 30);
    EXPECT_EQ(uiContext::PressedWidget(), nullptr);
    EXPECT_EQ(a->style.Aspect, 1);
    EXPECT_EQ(context->mouseX, 50);
    context->MouseButton(0, 0, 50, 30);
    context->MouseButton(0, 7, 50, 30);
    EXPECT_EQ(context->focus, a);
    // A release with nothing ever pressed and nothing under the mouse changes nothing.
    uiContext::ResetInputTargets();
    context->MouseButton(0, 1, 150, 150);
    EXPECT_EQ(context->focus, a);
}

// ---- Keys ----

TEST_F(InputTest, KeysEditTheFocusWidgetsValueText) {
    const struct {
        int key;
        int modifiers;
        const char* before;
        const char* after;
    } cases[] = {
        {8, 0, "ab", "a"},     {8, 0, "", ""},    {13, 1, "a", "a\n"},   {13, 0, "a", "a"},
        {9, 1, "a", "a\t"},    {9, 0, "a", "a"},  {27, 0, "ab", "ESC"},  {127, 0, "ab", ""},
        {'x', 0, "ab", "abx"}, {'X', 1, "", "X"}, {0xE9, 0, "", "\xE9"}, {300, 0, "ab", "ab"},
    };
    context->focus = a;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + "+" + std::to_string(c.modifiers));
        a->valueText.SetText(c.before);
        context->KeyPressed(c.key, c.modifiers);
        EXPECT_EQ(a->valueText.Text(), c.after);
        EXPECT_EQ(context->modifiers, c.modifiers);
    }
    context->focus = nullptr;
    context->KeyPressed('x', 5);
    EXPECT_EQ(context->modifiers, 5);
    EXPECT_EQ(a->valueText.Text(), "ab");
}

// ---- Widgets not in their place ----

TEST_F(InputTest, WidgetsNotDrawnInTheirPlaceAreNotHit) {
    a->animation = std::make_unique<uiAnimation>();
    a->animation->Wait = 500;
    a->animation->Duration = 1000;
    a->placed = false;
    context->ResetClock();
    for (double ms : {0.0, 600.0}) {
        TickAt(ms);
        EXPECT_EQ(context->FindClickable(50, 30), nullptr) << ms;
    }
    TickAt(1600.0);
    context->MouseMoved(50, 30);
    EXPECT_EQ(uiContext::HoveredWidget(), a);

    // The replay hides it again: the next move takes the highlight away.
    context->ResetClock();
    TickAt(2000.0);
    EXPECT_TRUE(a->style.highlight);
    context->MouseMoved(51, 30);
    EXPECT_EQ(uiContext::HoveredWidget(), nullptr);
    EXPECT_EQ(events, (Events{"A:on", "A:off"}));
    EXPECT_EQ(a->valueText.Text(), "50 , 30");

    // A child in place inside a window that waits is not hit either.
    context->windows[1]->animation = std::make_unique<uiAnimation>();
    context->windows[1]->animation->Wait = 100;
    context->ResetClock();
    TickAt(3000.0);
    EXPECT_TRUE(c->placed);
    EXPECT_EQ(context->FindClickable(220, 220), nullptr);
    TickAt(3101.0);
    EXPECT_EQ(context->FindClickable(220, 220), c);
}

TEST_F(InputTest, DestroyingTheContextForgetsItsInputTargets) {
    context->MouseMoved(50, 30);
    Click(50, 30);
    ASSERT_EQ(uiContext::HoveredWidget(), a);
    ASSERT_EQ(uiContext::PressedWidget(), a);
    context.reset();
    EXPECT_EQ(uiContext::HoveredWidget(), nullptr);
    EXPECT_EQ(uiContext::PressedWidget(), nullptr);
}

} // namespace
