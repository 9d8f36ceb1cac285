// The shipped showcase data/vantora.ui: it loads without a single error line, shows every
// look, fill and animation it promises, fits the 800 x 600 area without corrections, leaves
// room for captions and value texts, and has finished animating within three seconds.
#include "BenchContext.h"
#include "FileText.h"
#include "HandClock.h"
#include "Log.h"
#include "RecordingGL.h"
#include "TempDir.h"
#include "Timer.h"
#include "uiInternal.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace drev;

namespace {

std::vector<std::string> ErrorLines() {
    std::vector<std::string> errors;
    for (const std::string& line : ReadFileLines("app.log")) {
        if (line.find("ERROR") != std::string::npos || line.find("CRITICAL") != std::string::npos) {
            errors.push_back(line);
        }
    }
    return errors;
}

class SampleUiFileTest : public ::testing::Test {
protected:
    SampleUiFileTest() {
        CopyVantoraFiles(DREV_DATA_DIR);
        InitLog();
        SetLogThreshold(LOG_TYPE_DEBUG);
        RecordingGL::Reset();
        context = BenchContext();
        context->SetDrawingArea(800, 600);
        context->SetClock(std::make_unique<HandClock>(now));
        loaded = context->LoadUiFile("vantora.ui");
    }

    std::vector<const uiWidget*> Children() const {
        std::vector<const uiWidget*> children;
        for (const auto& window : StateOf(*context).windows) {
            for (const auto& child : window->children) {
                children.push_back(child.get());
            }
        }
        return children;
    }

    TempDir dir;
    double now = 0;
    std::unique_ptr<uiContext> context;
    bool loaded = false;
};

TEST_F(SampleUiFileTest, LoadsCompletelyWithoutErrors) {
    EXPECT_TRUE(loaded);
    EXPECT_EQ(ErrorLines(), std::vector<std::string>());
    for (int slot = 1; slot < uiFontTable::SLOT_COUNT; ++slot) {
        ASSERT_NE(context->Fonts().Slot(slot), nullptr);
        EXPECT_NE(context->Fonts().Slot(slot), context->Fonts().Slot(0)) << "slot " << slot;
    }
    // The widget the test window gives the focus to at start: a button, so it can take the
    // focus back by a click.
    const uiWidget* label6 = context->FindWidget("Label6");
    ASSERT_NE(label6, nullptr);
    EXPECT_TRUE(label6->IsClickable());
    EXPECT_EQ(label6->Animation(), nullptr);
}

TEST_F(SampleUiFileTest, ShowsEveryAspectFillAndAnimation) {
    std::set<int> aspects;
    std::set<int> fills;
    std::set<std::pair<int, int>> animations; // type, 0 plain / 1 fade / 2 path
    bool border = false;
    bool contour = false;
    bool lit = false;
    int buttons = 0;
    for (const uiWidget* child : Children()) {
        aspects.insert(child->Style().Aspect);
        fills.insert(child->Style().Fill);
        border = border || child->Style().Border;
        contour = contour || child->Style().Contour;
        lit = lit || child->Style().highlight;
        buttons += child->IsClickable() ? 1 : 0;
        if (child->Animation()) {
            const uiAnimation& a = *child->Animation();
            animations.insert({a.Type, a.DoPath ? 2 : a.DoFade ? 1 : 0});
        }
    }
    EXPECT_EQ(aspects, (std::set<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(fills, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12}));
    EXPECT_TRUE(border);
    EXPECT_TRUE(contour);
    EXPECT_TRUE(lit);
    EXPECT_GE(buttons, 3);
    for (int type = 0; type <= 6; ++type) {
        for (int variant = 0; variant <= 2; ++variant) {
            EXPECT_EQ(animations.count({type, variant}), 1u) << "type " << type << " variant " << variant;
        }
    }
}

// Captions stand one font line above each widget and value texts are centred in it: every
// widget leaves that line free (children inside their window) and is wide and tall enough for
// its value text. Whether widgets stick out is the placement's check, in the next case.
TEST_F(SampleUiFileTest, EveryWidgetHasRoomForItsTexts) {
    uiFont* label = context->Fonts().Slot(1);
    uiFont* text = context->Fonts().Slot(2);
    for (const auto& window : StateOf(*context).windows) {
        EXPECT_GE(window->localBox.y1, label->GetHeight()) << window->Name();
        for (const auto& child : window->children) {
            const uiRectI& c = child->localBox;
            EXPECT_GE(c.y1, label->GetHeight()) << child->Name();
            EXPECT_LE(label->GetTextWidth(child->Caption()), c.x2 - c.x1) << child->Name();
            EXPECT_LE(text->GetTextWidth(child->valueText.Text()) + 8, c.x2 - c.x1) << child->Name();
            EXPECT_GE(c.y2 - c.y1, text->GetHeight() + 4) << child->Name();
        }
    }
}

// Frames at 0, 1.5 and 3 seconds: nothing is pulled back (no line in the log), and at 3 s
// every animation has ended, so every widget stands in its place and can be hit.
TEST_F(SampleUiFileTest, AnimationsEndWithinThreeSecondsWithoutCorrections) {
    uiDrawList frame;
    for (double seconds : {0.0, 1.5, 3.0}) {
        now = seconds;
        frame.Clear();
        context->Tick(frame);
    }
    EXPECT_EQ(ErrorLines(), std::vector<std::string>());
    for (const auto& window : StateOf(*context).windows) {
        for (const auto& child : window->children) {
            const uiRectI& c = child->localBox;
            const uiRectI& s = child->ScreenBox();
            const int x = window->localBox.x1;
            const int y = window->localBox.y1;
            EXPECT_EQ((std::vector<int>{s.x1, s.y1, s.x2, s.y2}),
                      (std::vector<int>{x + c.x1, y + c.y1, x + c.x2, y + c.y2}))
                << child->Name();
        }
    }
    const uiWidget* button = context->FindWidget("Button1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(context->FindClickable(button->ScreenBox().x1 + 5, button->ScreenBox().y1 + 5), button);
}

} // namespace
