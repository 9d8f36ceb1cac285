#include "UiRuntimeTestSupport.h"
#include "uiTextCodes.h"
#include <vanui/uiGlutInput.h>

#include <GL/freeglut.h>

#include <string>

namespace {

using Events = std::vector<std::string>;

// Window "Main" at 0, 0, 300 x 300 with buttons A (screen 10,10..110,50) and B (110,10..210,50)
// sharing the edge x = 110, and the label L (10,100..110,140); window "Second" at 200, 200 with
// button C (210,210..260,260), which lies inside Main's area too. Every hook slot of every child
// records "<name>:<slot>" when called.
class InputTest : public UiRuntimeTestBase {
protected:
    InputTest() { BuildTree(); }

    // The tree above in the current context, drawn once so every widget stands in its place.
    void BuildTree() {
        uiWidgetNode& main = AddWindow("Main", {0, 0, 300, 300});
        a = &AddRecordedChild(main, "A", {10, 10, 100, 40}, true);
        b = &AddRecordedChild(main, "B", {110, 10, 100, 40}, true);
        label = &AddRecordedChild(main, "L", {10, 100, 100, 40}, false);
        uiWidgetNode& second = AddWindow("Second", {200, 200, 100, 100});
        c = &AddRecordedChild(second, "C", {10, 10, 50, 50}, true);
        TickAt(0.0);
    }

    uiWidgetNode& AddRecordedChild(uiWidgetNode& window, const char* name, const uiRectF& rect, bool clickable) {
        uiWidgetNode& child = AddChild(window, name, rect, clickable);
        for (int slot = 0; slot < uiWidget::HOOK_COUNT; ++slot) {
            child.SetHook(slot, [this, name, slot](uiWidgetBlock*) {
                events.push_back(std::string(name) + ":" + std::to_string(slot));
            });
        }
        return child;
    }

    // GLUT's events, as the bench's windows pass them on.
    void Press(int x, int y) { uiGlutMouse(*context, GLUT_LEFT_BUTTON, GLUT_DOWN, x, y); }
    void Release(int x, int y) { uiGlutMouse(*context, GLUT_LEFT_BUTTON, GLUT_UP, x, y); }
    void Click(int x, int y) {
        Press(x, y);
        Release(x, y);
    }

    Events events;
    uiWidgetNode* a = nullptr;
    uiWidgetNode* b = nullptr;
    uiWidgetNode* label = nullptr;
    uiWidgetNode* c = nullptr;
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
    context->Window(1)->SetVisible(false);
    EXPECT_EQ(context->FindClickable(220, 220), nullptr);
}

// ---- Hover ----

TEST_F(InputTest, HoverMovesTheHighlightAndShowsThePosition) {
    context->MouseMoved(50, 30);
    EXPECT_EQ(context->Hovered(), a);
    EXPECT_TRUE(a->Style().highlight);
    EXPECT_EQ(a->valueText.Text(), "50 , 30");

    context->MouseMoved(60, 31);
    EXPECT_EQ(a->valueText.Text(), "60 , 31");

    context->MouseMoved(150, 30);
    EXPECT_FALSE(a->Style().highlight);
    EXPECT_TRUE(b->Style().highlight);
    EXPECT_EQ(b->valueText.Text(), "150 , 30");

    context->MouseMoved(150, 150);
    EXPECT_FALSE(b->Style().highlight);
    EXPECT_EQ(context->Hovered(), nullptr);
    EXPECT_EQ(b->valueText.Text(), "150 , 30");
    EXPECT_EQ(context->MouseX(), 150);
    EXPECT_EQ(context->MouseY(), 150);

    context->MouseDragged(55, 35);
    EXPECT_EQ(context->MouseX(), 55);
    EXPECT_EQ(context->MouseY(), 35);
    EXPECT_FALSE(a->Style().highlight);
    EXPECT_EQ(a->valueText.Text(), "60 , 31");
    EXPECT_TRUE(events.empty());
}

// ---- Buttons and focus ----

TEST_F(InputTest, ReleaseOnThePressedWidgetMovesTheFocusWithItsHooks) {
    context->SetFocus(b);
    Press(50, 30);
    EXPECT_EQ(a->valueText.Text(), "HIT");
    EXPECT_EQ(a->Style().Aspect, 4);
    EXPECT_TRUE(context->ButtonDown());
    EXPECT_EQ(context->Pressed(), a);

    Release(60, 40);
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
        Press(50, 30);
        context->MouseMoved(release.x, release.y);
        Release(release.x, release.y);
        EXPECT_EQ(a->Style().Aspect, 3);
        EXPECT_EQ(b->Style().Aspect, 7);
        EXPECT_EQ(context->Focus(), c);
        EXPECT_FALSE(context->ButtonDown());
        EXPECT_EQ(b->Style().highlight, release.x == 150 && release.y == 30);
    }
    EXPECT_TRUE(events.empty());
}

TEST_F(InputTest, PressOnEmptySpaceKeepsThePressedWidget) {
    Click(50, 30);
    events.clear();
    Press(150, 150);
    EXPECT_EQ(context->Pressed(), a);
    EXPECT_FALSE(context->ButtonDown());
    context->SetFocus(nullptr);
    Release(50, 30);
    EXPECT_EQ(context->Focus(), a);
    EXPECT_EQ(events, (Events{"A:0", "A:5"}));
}

TEST_F(InputTest, OnlyTheLeftButtonActsAndAnyGlutStateButDownIsARelease) {
    uiGlutMouse(*context, GLUT_RIGHT_BUTTON, GLUT_DOWN, 50, 30);
    EXPECT_EQ(context->Pressed(), nullptr);
    EXPECT_EQ(a->Style().Aspect, 1);
    EXPECT_EQ(context->MouseX(), 50);
    Press(50, 30);
    uiGlutMouse(*context, GLUT_LEFT_BUTTON, 7, 50, 30);
    EXPECT_EQ(context->Focus(), a);
    // A release with nothing ever pressed and nothing under the mouse changes nothing.
    StateOf(*context).pressed = nullptr;
    StateOf(*context).hovered = nullptr;
    Release(150, 150);
    EXPECT_EQ(context->Focus(), a);
}

// ---- Keys ----

// GLUT's key codes, as the bench's windows pass them on: Backspace, Enter, Tab, Escape and Delete
// become the toolkit's named keys, every other code a typed character.
TEST_F(InputTest, KeysEditTheFocusWidgetsValueText) {
    const struct {
        unsigned char key;
        int modifiers;
        const char* before;
        const char* after;
    } cases[] = {
        {8, 0, "ab", "a"},     {8, 0, "", ""},    {13, 1, "a", "a\n"},   {13, 0, "a", "a"},
        {9, 1, "a", "a\t"},    {9, 0, "a", "a"},  {27, 0, "ab", "ESC"},  {127, 0, "ab", ""},
        {'x', 0, "ab", "abx"}, {'X', 1, "", "X"}, {0xE9, 0, "", "\xE9"}, {3, 2, "ab", "ab\x03"},
    };
    context->SetFocus(a);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.key) + "+" + std::to_string(c.modifiers));
        a->valueText.SetText(c.before);
        uiGlutKeyboard(*context, c.key, c.modifiers);
        EXPECT_EQ(a->valueText.Text(), c.after);
        EXPECT_EQ(context->Modifiers(), static_cast<unsigned>(c.modifiers));
    }
    // Codes that are no character change nothing.
    for (const uint32_t code : {0xD800u, 0x110000u}) {
        context->CharacterTyped(code, 0);
        EXPECT_EQ(a->valueText.Text(), "ab\x03");
    }
    context->SetFocus(nullptr);
    context->CharacterTyped('x', 5);
    EXPECT_EQ(context->Modifiers(), 5u);
    EXPECT_EQ(a->valueText.Text(), "ab\x03");
}

// A context without the bench's echoes shows only what the program binds or the user types.
TEST_F(InputTest, WithoutEchoesValueTextsShowOnlyWhatIsTyped) {
    uiContextSettings settings = BenchSettings();
    settings.echoInput = false;
    context = std::make_unique<uiContext>(settings);
    context->SetClock(std::make_unique<ManualTimer>(seconds));
    context->SetDrawingArea(800, 600);
    ASSERT_TRUE(Load("uiWindow \"Main\" \"Application\" { Width 300 Height 300 }\n"
                     "uiButton \"A\" \"Main\" { Left 10 Top 10 Width 100 Height 40 }\n"));
    TickAt(0.0);
    uiWidget& button = *context->FindWidget("A");
    EXPECT_EQ(context->Window(0)->valueText.Text(), "");
    context->MouseMoved(50, 30);
    Click(50, 30);
    EXPECT_EQ(context->Focus(), &button);
    uiGlutKeyboard(*context, 27, 0);
    EXPECT_EQ(button.valueText.Text(), "");
    context->CharacterTyped(0x3BB, UIMOD_NONE);
    uiGlutKeyboard(*context, 'x', 0);
    EXPECT_EQ(button.valueText.Text(), "\xCE\xBBx");
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
        uiGlutKeyboard(*context, static_cast<unsigned char>(c.key), 0);
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
    a->animation = std::make_unique<uiAnimation>(uiAnimation{UIANIMT_NONE, 500, 1000});
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
    EXPECT_FALSE(a->Style().highlight);
    EXPECT_EQ(a->valueText.Text(), "50 , 30");

    // A child in place inside a window that waits is not hit either.
    StateOf(*context).windows[1]->animation = std::make_unique<uiAnimation>(uiAnimation{UIANIMT_NONE, 100});
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
    first->MouseButton(uiMouseButton::Left, uiButtonAction::Press, 50, 30);
    EXPECT_EQ(first->Hovered(), firstA);
    EXPECT_EQ(first->Pressed(), firstA);
    EXPECT_EQ(context->Hovered(), nullptr);
    EXPECT_EQ(context->Pressed(), nullptr);

    context->MouseMoved(150, 30);
    EXPECT_EQ(context->Hovered(), b);
    EXPECT_EQ(first->Hovered(), firstA);
    EXPECT_TRUE(firstA->Style().highlight);

    first.reset();
    Click(150, 30);
    EXPECT_EQ(context->Pressed(), b);
    EXPECT_EQ(context->Focus(), b);
}

} // namespace
