#include <vanui/uiValueText.h>

#include <gtest/gtest.h>

namespace {

TEST(UiValueTextTest, IntegerBindingRefreshesOnRequest) {
    int32_t value = -42;
    uiValueText text;
    text.BindInt(&value);
    EXPECT_EQ(text.Text(), "-42");
    EXPECT_EQ(text.GetVariable(), &value);
    EXPECT_EQ(text.GetType(), UIVALT_INT);
    EXPECT_EQ(text.GetFormat(), "%d");
    value = 7;
    EXPECT_EQ(text.Text(), "-42");
    text.Refresh();
    EXPECT_EQ(text.Text(), "7");

    value = 42;
    text.SetFormat("%05d");
    EXPECT_EQ(text.Text(), "00042");
}

TEST(UiValueTextTest, RealBindingAndBindLike) {
    float value = 1.5f;
    uiValueText text(&value, UIVALT_REAL);
    EXPECT_EQ(text.Text(), "1.500000");

    uiValueText copy;
    copy.SetText("old");
    copy.BindLike(text);
    EXPECT_EQ(copy.Text(), "1.500000");
    EXPECT_EQ(copy.GetVariable(), &value);
}

TEST(UiValueTextTest, TypesWithoutValueKeepTheText) {
    int32_t value = 5;
    uiValueText text;
    text.SetText("kept");
    text.BindVariable(&value, UIVALT_EMPTY);
    EXPECT_EQ(text.Text(), "");
    EXPECT_EQ(text.GetFormat(), "");
    text.Text() = "typed";
    text.Refresh();
    EXPECT_EQ(text.Text(), "typed");
    text.SetDefaultFormat(UIVALT_STRING);
    EXPECT_EQ(text.GetFormat(), "%s");

    text.BindInt(&value);
    text.UnbindVariable();
    EXPECT_EQ(text.GetVariable(), nullptr);
    EXPECT_EQ(text.GetType(), UIVALT_NONE);
    EXPECT_EQ(text.Text(), "");
}

// Results longer than the buffer are cut to its size less the terminator.
TEST(UiValueTextTest, LongResultsAreCutAtTheBuffer) {
    int32_t number = 42;
    uiValueText integer;
    integer.BindInt(&number);
    integer.SetFormat("value is %d, quite long");
    EXPECT_EQ(integer.Text(), "value is 42");

    float big = 1e30f;
    uiValueText real;
    real.BindReal(&big);
    EXPECT_EQ(real.Text().size(), 19u);
    EXPECT_EQ(real.Text().substr(0, 6), "100000");
}

TEST(UiValueTextTest, NullVariableIsNotRead) {
    uiValueText text;
    text.BindInt(nullptr);
    EXPECT_EQ(text.Text(), "");
}

} // namespace
