#include "uiInternal.h"
#include "UiLoaderTestSupport.h"
#include "uiStyles.h"

namespace {

class UiWidgetItemTest : public UiLoaderTestBase {
protected:
    // Loads, into a new context, a window "Main" and one child item of the given type with
    // the given settings.
    uiWidget& LoadChild(const std::string& type, const std::string& settings) {
        context = BenchContext();
        EXPECT_TRUE(Load("uiWindow \"Main\" \"Application\" { Width 400 Height 300 }\n" + type +
                         " \"W\" \"Main\" " + settings));
        return Child(0, 0);
    }
};

void ExpectStyle(const uiStyle& style, const uiStyle& expected) {
    EXPECT_EQ(style.Shape, expected.Shape);
    EXPECT_EQ(style.Fill, expected.Fill);
    EXPECT_EQ(style.Aspect, expected.Aspect);
    EXPECT_EQ(style.Border, expected.Border);
    EXPECT_EQ(style.Contour, expected.Contour);
    EXPECT_EQ(style.highlight, expected.highlight);
}

TEST_F(UiWidgetItemTest, ItemSetsNamesPlacementAndLinks) {
    uiWidget& widget = LoadChild("uiLabel", "{ Left 10.7 Top 20.2 Width 5.5 Height 5.5 Other \"x\" }");
    EXPECT_TRUE(Logged().empty());
    EXPECT_EQ(widget.Name(), "W");
    EXPECT_EQ(widget.Caption(), "W");
    EXPECT_EQ(widget.valueText.Text(), "W::val");
    EXPECT_EQ(widget.valueText.GetType(), UIVALT_NONE);
    EXPECT_EQ(widget.Rect().Left, 10.7f);
    EXPECT_EQ(widget.Rect().Top, 20.2f);
    EXPECT_EQ(widget.Rect().Width, 5.5f);
    EXPECT_EQ(widget.Rect().Height, 5.5f);
    EXPECT_EQ(widget.localBox.x1, 10);
    EXPECT_EQ(widget.localBox.y1, 20);
    EXPECT_EQ(widget.localBox.x2, 16);
    EXPECT_EQ(widget.localBox.y2, 25);
    EXPECT_EQ(widget.ScreenBox().x2, 10);
    EXPECT_EQ(Node(widget).context, &StateOf(*context));
    EXPECT_EQ(widget.Parent(), context->Window(0));
    EXPECT_TRUE(widget.IsVisible());
    EXPECT_EQ(widget.Animation(), nullptr);
    EXPECT_EQ(widget.CaptionAlign(), 1);
    EXPECT_EQ(widget.ValueAlign(), 5);
}

TEST_F(UiWidgetItemTest, MissingOrMistypedPlacementIsZeroAndSilent) {
    uiWidget& widget = LoadChild("uiLabel", "{ Left 4 Width \"wide\" }");
    EXPECT_TRUE(Logged().empty());
    EXPECT_EQ(widget.Rect().Left, 4.0f);
    EXPECT_EQ(widget.Rect().Width, 0.0f);
    EXPECT_EQ(widget.Rect().Height, 0.0f);
    EXPECT_EQ(widget.localBox.x2, 4);
}

TEST_F(UiWidgetItemTest, PlacementBeyondTheIntegerRangeSaturates) {
    const uiRectI box = LoadChild("uiLabel", "{ Left -1e30 Top 1e39 Width 5 Height 5 }").localBox;
    EXPECT_EQ(box.x1, INT32_MIN);
    EXPECT_EQ(box.x2, INT32_MIN);
    EXPECT_EQ(box.y1, INT32_MAX);
    EXPECT_EQ(box.y2, INT32_MAX);
}

TEST_F(UiWidgetItemTest, OnlyAButtonIsClickable) {
    ASSERT_TRUE(Load("uiWindow \"Main\" \"Application\" { }\n"
                     "uiButton \"B\" \"Main\" { } uiLabel \"L\" \"Main\" { } uiBevel \"V\" \"Main\" { }"
                     " uiWindow \"W\" \"Main\" { }"));
    EXPECT_TRUE(Child(0, 0).IsClickable());
    for (size_t child = 1; child < 4; ++child) {
        EXPECT_FALSE(Child(0, child).IsClickable()) << child;
    }
    EXPECT_EQ(context->WindowCount(), 1u);
    EXPECT_FALSE(context->Window(0)->IsClickable());
}

TEST_F(UiWidgetItemTest, StyleAbsentEmptyOrNotAHash) {
    ASSERT_TRUE(Load("uiWindow \"Main\" \"Application\" { }\n"
                     "uiLabel \"None\" \"Main\" { } uiLabel \"Empty\" \"Main\" { Style { } }"
                     " uiLabel \"Number\" \"Main\" { Style 4 }"));
    EXPECT_EQ(Logged(), Lines{"ERROR   : Wrong style parameters for widget [Number]"});
    ExpectStyle(Child(0, 0).Style(), UISTYLE_DEFAULT);
    ExpectStyle(Child(0, 1).Style(), UISTYLE_ASPECT1);
    ExpectStyle(Child(0, 2).Style(), UISTYLE_ASPECT1);
    ExpectStyle(context->Window(0)->Style(), UISTYLE_DEFAULT);
}

TEST_F(UiWidgetItemTest, StyleNumbersTruncateAndFlagsTakeOnlyBooleans) {
    const uiStyle& style =
        LoadChild("uiButton",
                  "{ Style { Shape 2.5 Fill -3.9 Aspect 2.9 Border 1 Contour true DoPath true } }")
            .Style();
    ExpectStyle(style, uiStyle{2, -3, 2, false, true, true});
    ExpectStyle(LoadChild("uiButton", "{ Style { Aspect -1.5 Border true Fill \"x\" } }").Style(),
                uiStyle{0, 12, -1, true, false, false});
}

TEST_F(UiWidgetItemTest, AnimationFieldsAreCopiedWithoutRangeChecks) {
    const uiAnimation* animation =
        LoadChild("uiLabel", "{ Animation { Type 3 Wait 500 Duration 1000 DoFade true StartY -4.5 } }")
            .Animation();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->Type, UIANIMT_ROLLXY);
    EXPECT_EQ(animation->Wait, 500);
    EXPECT_EQ(animation->Duration, 1000);
    EXPECT_TRUE(animation->DoFade);
    EXPECT_FALSE(animation->DoPath);
    EXPECT_EQ(animation->StartX, 0.0f);
    EXPECT_EQ(animation->StartY, -4.5f);

    animation = LoadChild("uiLabel", "{ Animation { Type 9.7 Wait \"late\" Duration -2 DoPath true DoFade 1"
                                     " StartX 12.25 } }")
                    .Animation();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->Type, 9);
    EXPECT_EQ(animation->Wait, 0);
    EXPECT_EQ(animation->Duration, -2);
    EXPECT_FALSE(animation->DoFade);
    EXPECT_TRUE(animation->DoPath);
    EXPECT_EQ(animation->StartX, 12.25f);
    EXPECT_TRUE(Logged().empty());
}

TEST_F(UiWidgetItemTest, AnimationWithoutKnownKeysStillMakesARecord) {
    const uiAnimation* animation = LoadChild("uiLabel", "{ Animation { Speed 3 } }").Animation();
    ASSERT_NE(animation, nullptr);
    EXPECT_EQ(animation->Type, UIANIMT_NONE);
    EXPECT_EQ(animation->Duration, 0);
}

TEST_F(UiWidgetItemTest, AnimationThatIsNotAHashIsLoggedAndLeftOut) {
    uiWidget& widget = LoadChild("uiLabel", "{ Animation [ 1 2 ] Style 1 }");
    EXPECT_EQ(Logged(), (Lines{"ERROR   : Wrong style parameters for widget [W]",
                               "ERROR   : Wrong animation parameters for widget [W]"}));
    EXPECT_EQ(widget.Animation(), nullptr);
}

// Items that have no widget kind at their place make nothing, log one line and let the load
// go on; their settings, right or wrong, are not looked at.
TEST_F(UiWidgetItemTest, ItemWithoutAWidgetKindIsSkipped) {
    ASSERT_TRUE(Load("uiButton \"Stray\" \"Application\" { Style 3 }\n"
                     "uiWindow \"Main\" \"Application\" { }\n"
                     "uiText \"T\" \"Main\" { Animation 2 }\n"
                     "uiSlider \"S\" \"Main\" { }\n"
                     "7 \"N\" \"Main\" { }\n"
                     "uiLabel \"L\" \"Main\" { }\n"));
    EXPECT_EQ(Logged(),
              (Lines{
                  "ERROR   : Item [Stray:uiButton] makes no widget under parent [Application]; item skipped",
                  "ERROR   : Item [T:uiText] makes no widget under parent [Main]; item skipped",
                  "ERROR   : Item [S:uiSlider] makes no widget under parent [Main]; item skipped",
                  "ERROR   : Item [N:] makes no widget under parent [Main]; item skipped",
              }));
    ASSERT_EQ(context->WindowCount(), 1u);
    ASSERT_EQ(context->Window(0)->ChildCount(), 1u);
    EXPECT_EQ(Child(0, 0).Name(), "L");
}

} // namespace
