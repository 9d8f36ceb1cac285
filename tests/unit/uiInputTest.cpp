#include "UiRuntimeTestSupport.h"
#include "uiTextCodes.h"

#include <string>

namespace {

using Events = std::vector<std::string>;

// Records highlight changes and focus hooks, in order, as "<name>:on", "<name>:off" and
// "<name>:<slot>".
struct RecordingWidget : uiWidget {
    void HighlightOn() override {
        events->push_back(Name() + ":on");
        uiWidget::HighlightOn();
    }
    void HighlightOff() override {
        events->push_back(Name() + ":off");
        uiWidget::HighlightOff();
    }
    Events* events = nullptr;
};

// Window "Main" at 0, 0, 300 x 300 with buttons A (screen 10,10..110,50) and B (110,10..210,50)
// sharing the edge x = 110, and the label L (10,100..110,140); window "Second" at 200, 200 with
// button C (210,210..260,260), which lies inside Main's area too.
class InputTest : public UiRuntimeTestBase {
protected:
    InputTest() { BuildTree(); }

    // The tree above in the current context, drawn once so every widget stands in its place.
    void BuildTree() {
        uiGroup& main = AddWindow("Main", {0, 0, 300, 300});
        a = &AddChild(main, "A", {10, 10, 100, 40}, true);
        b = &AddChild(main, "B", {110, 10, 100, 40}, true);
        label = &AddChild(main, "L", {10, 100, 100, 40}, false);
        uiGroup& second = AddWindow("Second", {200, 200, 100, 100});
        c = &AddChild(second, "C", {10, 10, 50, 50}, true);
        TickAt(0.0);
    }

    void SetUpWidget(uiWidget& widget, const char* name, const uiRectF& rect) {
        uiWidgetInternals::SetName(widget, name);
        widget.SetCaption(name);
        widget.valueText.SetText(std::string(name) + "::val");
        widget.SetRect(rect);
        uiWidgetInternals::Attach(widget, *context);
    }

    uiGroup& AddWindow(const char* name, const uiRectF& rect) {
        uiGroup& window = uiWidgetInternals::AddWindow(*context, std::make_unique<uiGroup>());
        SetUpWidget(window, name, rect);
        return window;
    }

    RecordingWidget& AddChild(uiGroup& window, const char* name, const uiRectF& rect, bool clickable) {
        auto child = std::make_unique<RecordingWidget>();
        SetUpWidget(*child, name, rect);
        uiWidgetInternals::SetClickable(*child, clickable);
        child->events = &events;
        for (int slot = 0; slot < uiWidget::HOOK_COUNT; ++slot) {
            child->SetHook(slot, [this, name, slot](uiWidgetBlock*) {
                events.push_back(std::string(name) + ":" + std::to_string(slot));
            });
        }
        return static_cast<RecordingWidget&>(*uiWidgetInternals::AddChild(window, std::move(child)));
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
    c->SetVisible(false);
    EXPECT_EQ(context->FindClickable(220, 220), c);
    context->Windows()[1]->SetVisible(false);
    EXPECT_EQ(context->FindClickable(220, 220), nullptr);
}

// ---- Hover ----

TEST_F(InputTest, HoverMovesTheHighlightAndShowsThePosition) {
    context->MouseMoved(50, 30);
    EXPECT_EQ(events, (Events{"A:on"}));
    EXPECT_EQ(context->Hovered(), a);
    EXPECT_TRUE(a->Style().highlight);
    EXPECT_EQ(a->valueText.Text(), "50 , 30");

    context->MouseMoved(60, 31);
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(a->valueText.Text(), "60 , 31");

    context->MouseMoved(150, 30);
    EXPECT_EQ(events, (Events{"A:on", "A:off", "B:on"}));
    EXPECT_FALSE(a->Style().highlight);
    EXPECT_EQ(b->valueText.Text(), "150 , 30");

    context->MouseMoved(150, 150);
    EXPECT_EQ(events.back(), "B:off");
    EXPECT_EQ(context->Hovered(), nullptr);
    EXPECT_EQ(b->valueText.Text(), "150 , 30");
    EXPECT_EQ(context->MouseX(), 150);
    EXPECT_EQ(context->MouseY(), 150);

    context->MouseDragged(55, 35);
    EXPECT_EQ(context->MouseX(), 55);
    EXPECT_EQ(context->MouseY(), 35);
    EXPECT_EQ(events.size(), 4u);
    EXPECT_EQ(a->valueText.Text(), "60 , 31");
}

// ---- Buttons and focus ----

TEST_F(InputTest, ReleaseOnThePressedWidgetMovesTheFocusWithItsHooks) {
    context->SetFocus(b);
    context->MouseButton(0, 0, 50, 30);
    EXPECT_EQ(a->valueText.Text(), "HIT");
    EXPECT_EQ(a->Style().Aspect, 4);
    EXPECT_TRUE(context->ButtonDown());
    EXPECT_EQ(context->Pressed(), a);

    context->MouseButton(0, 1, 60, 40);
    EXPECT_EQ(a->Style().Aspect, 3);
    EXPECT_FALSE(context->ButtonDown());
    EXPECT_EQ(context->Focus(), a);
    EXPECT_EQ(events, (Events{"B:1", "A:0", "A:5"}));
}

TEST_F(InputTest, ReleaseElsewhereRaisesThePressedWidgetAndKeepsTheFocus) {
    const struct {
        const char* where;
        int x, y;
    } releases[] = {{"empty space", 150, 150}, {"another button", 150, 30}, {"a label", 50, 120}};
    for (const auto& release : releases) {
        SCOPED_TRACE(release.where);
        uiStyle raised = b->Style();
        raised.Aspect = 7;
        b->SetStyle(raised);
        context->SetFocus(c);
        context->MouseButton(0, 0, 50, 30);
        context->MouseMoved(release.x, release.y);
        context->MouseButton(0, 1, release.x, release.y);
        EXPECT_EQ(a->Style().Aspect, 3);
        EXPECT_EQ(b->Style().Aspect, 7);
        EXPECT_EQ(context->Focus(), c);
        EXPECT_FALSE(context->ButtonDown());
    }
    EXPECT_EQ(events, (Events{"B:on", "B:off"}));
}

TEST_F(InputTest, PressOnEmptySpaceKeepsThePressedWidget) {
    Click(50, 30);
    events.clear();
    context->MouseButton(0, 0, 150, 150);
    EXPECT_EQ(context->Pressed(), a);
    EXPECT_FALSE(context->ButtonDown());
    context->SetFocus(nullptr);
    context->MouseButton(0, 1, 50, 30);
    EXPECT_EQ(context->Focus(), a);
    EXPECT_EQ(events, (Events{"A:0", "A:5"}));
}

TEST_F(InputTest, OnlyTheLeftButtonActsAndAnyStateButZeroIsARelease) {
    context->MouseButton(2, 0, 50, 30);
    EXPECT_EQ(context->Pressed(), nullptr);
    EXPECT_EQ(a->Style().Aspect, 1);
    EXPECT_EQ(context->MouseX(), 50);
    context->MouseButton(0, 0, 50, 30);
    context->MouseButton(0, 7, 50, 30);
    EXPECT_EQ(context->Focus(), a);
    // A release with nothing ever pressed and nothing under the mouse changes nothing.
    uiWidgetInternals::ForgetInputTargets(*context);
    context->MouseButton(0, 1, 150, 150);
    EXPECT_EQ(context->Focus(), a);
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
    context->SetFocus(a);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + "+" + std::to_string(c.modifiers));
        a->valueText.SetText(c.before);
        context->KeyPressed(c.key, c.modifiers);
        EXPECT_EQ(a->valueText.Text(), c.after);
        EXPECT_EQ(context->Modifiers(), c.modifiers);
    }
    context->SetFocus(nullptr);
    context->KeyPressed('x', 5);
    EXPECT_EQ(context->Modifiers(), 5);
    EXPECT_EQ(a->valueText.Text(), "ab");
}

// Typed keys are Latin-1 bytes. They are stored so that the text keeps the characters it shows
// and gains the typed one: as UTF-8 in a UTF-8 text, as the byte in any other (pure ASCII
// included), and Backspace removes a whole character. A Latin-1 text whose bytes an edit
// would make valid UTF-8 is rewritten as UTF-8, since it would otherwise show other letters.
TEST_F(InputTest, TypedCharactersKeepTheFormOfTheValueText) {
    const struct {
        const char* what;
        int key;
        std::string before;
        std::string after;
        std::vector<uint32_t> shown;
    } cases[] = {
        {"UTF-8, typed", 0xDF, "Gr\xC3\xB6", "Gr\xC3\xB6\xC3\x9F", {'G', 'r', 0xF6, 0xDF}},
        {"UTF-8, ASCII typed", 'x', "\xC3\x9F", "\xC3\x9Fx", {0xDF, 'x'}},
        {"UTF-8, Backspace", 8, "Gr\xC3\xB6\xC3\x9F", "Gr\xC3\xB6", {'G', 'r', 0xF6}},
        {"UTF-8, Backspace on the euro sign", 8, "5 \xE2\x82\xAC", "5 ", {'5', ' '}},
        {"UTF-8, Backspace above U+FFFF", 8, "\xCE\xA9\xF0\x9F\x98\x80", "\xCE\xA9", {0x3A9}},
        {"UTF-8, Backspace to empty", 8, "\xD0\x96", "", {}},
        {"ASCII, typed", 0xE9, "ab", "ab\xE9", {'a', 'b', 0xE9}},
        {"Latin-1, typed", 0xDF, "Gr\xF6", "Gr\xF6\xDF", {'G', 'r', 0xF6, 0xDF}},
        {"Latin-1, Backspace", 8, "Gr\xF6\xDF", "Gr\xF6", {'G', 'r', 0xF6}},
        {"Latin-1 that typing would make UTF-8", 0xA9, "x\xC3", "x\xC3\x83\xC2\xA9", {'x', 0xC3, 0xA9}},
        {"Latin-1 that Backspace would make UTF-8", 8, "\xDF\xB0\xFF", "\xC3\x9F\xC2\xB0", {0xDF, 0xB0}},
    };
    context->SetFocus(a);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        a->valueText.SetText(c.before);
        context->KeyPressed(c.key, 0);
        EXPECT_EQ(a->valueText.Text(), c.after);
        std::vector<uint32_t> shown;
        for (const uint32_t code : vanui::uiTextCodes(a->valueText.Text())) {
            shown.push_back(code);
        }
        EXPECT_EQ(shown, c.shown);
    }
}

// ---- Widgets not in their place ----

TEST_F(InputTest, WidgetsNotDrawnInTheirPlaceAreNotHit) {
    uiWidgetInternals::SetAnimation(*a, std::make_unique<uiAnimation>(uiAnimation{UIANIMT_NONE, 500, 1000}));
    context->ResetClock();
    for (double ms : {0.0, 600.0}) {
        TickAt(ms);
        EXPECT_EQ(context->FindClickable(50, 30), nullptr) << ms;
    }
    TickAt(1600.0);
    context->MouseMoved(50, 30);
    EXPECT_EQ(context->Hovered(), a);

    // The replay hides it again: the next move takes the highlight away.
    context->ResetClock();
    TickAt(2000.0);
    EXPECT_TRUE(a->Style().highlight);
    context->MouseMoved(51, 30);
    EXPECT_EQ(context->Hovered(), nullptr);
    EXPECT_EQ(events, (Events{"A:on", "A:off"}));
    EXPECT_EQ(a->valueText.Text(), "50 , 30");

    // A child in place inside a window that waits is not hit either.
    uiWidgetInternals::SetAnimation(*context->Windows()[1], std::make_unique<uiAnimation>(uiAnimation{UIANIMT_NONE, 100}));
    context->ResetClock();
    TickAt(3000.0);
    EXPECT_TRUE(c->IsPlaced());
    EXPECT_EQ(context->FindClickable(220, 220), nullptr);
    TickAt(3101.0);
    EXPECT_EQ(context->FindClickable(220, 220), c);
}

// Each context keeps its own hovered and pressed widgets: two windows (or a test and a window)
// never see each other's input, and destroying one context leaves the other's alone.
TEST_F(InputTest, TwoContextsKeepTheirHoverAndPressApart) {
    std::unique_ptr<uiContext> first = std::move(context);
    uiWidget* firstA = a;
    FreshContext();
    BuildTree();
    first->MouseMoved(50, 30);
    first->MouseButton(0, 0, 50, 30);
    EXPECT_EQ(first->Hovered(), firstA);
    EXPECT_EQ(first->Pressed(), firstA);
    EXPECT_EQ(context->Hovered(), nullptr);
    EXPECT_EQ(context->Pressed(), nullptr);

    context->MouseMoved(150, 30);
    EXPECT_EQ(context->Hovered(), b);
    EXPECT_EQ(first->Hovered(), firstA);
    EXPECT_TRUE(firstA->Style().highlight);

    first.reset();
    context->MouseButton(0, 0, 150, 30);
    context->MouseButton(0, 1, 150, 30);
    EXPECT_EQ(context->Pressed(), b);
    EXPECT_EQ(context->Focus(), b);
}

} // namespace
