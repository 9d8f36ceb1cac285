#include <vanui/uiValueText.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

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
    uiValueText text;
    text.BindReal(&value);
    EXPECT_EQ(text.Text(), "1.500000");

    uiValueText copy;
    copy.SetText("old");
    copy.BindLike(text);
    EXPECT_EQ(copy.Text(), "1.500000");
    EXPECT_EQ(copy.GetVariable(), &value);
}

TEST(UiValueTextTest, TextBindingAndUnboundTexts) {
    std::string name = "Ada";
    uiValueText text;
    text.SetText("kept");
    text.BindText(&name);
    EXPECT_EQ(text.Text(), "Ada");
    EXPECT_TRUE(text.SetFormat("Hello, %-5s!"));
    EXPECT_EQ(text.Text(), "Hello, Ada  !");

    int32_t value = 5;
    text.UnbindVariable();
    text.Text() = "typed";
    text.Refresh();
    EXPECT_EQ(text.Text(), "typed");
    // A default format of another kind than the variable's formats nothing.
    text.BindInt(&value);
    text.SetDefaultFormat(UIVALT_STRING);
    EXPECT_EQ(text.GetFormat(), "%s");
    value = 6;
    text.Refresh();
    EXPECT_EQ(text.Text(), "5");

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
    EXPECT_EQ(text.GetType(), UIVALT_NONE);
}

// A format must suit the bound variable: one conversion of its kind, flags, width and precision
// in digits, "%%" anywhere. Anything else is refused with one message and the text keeps its
// format.
TEST(UiValueTextTest, FormatsAreCheckedAgainstTheBoundVariable) {
    const struct {
        int type;
        const char* format;
        const char* text;
    } cases[] = {
        {UIVALT_INT, "%+06d%%", "+00042%"},  {UIVALT_INT, "%x", "2a"},      {UIVALT_INT, "%'.3i", "042"},
        {UIVALT_INT, "%s", nullptr},         {UIVALT_INT, "%d %d", nullptr}, {UIVALT_INT, "%n", nullptr},
        {UIVALT_INT, "%ld", nullptr},        {UIVALT_INT, "%*d", nullptr},  {UIVALT_INT, "%1$d", nullptr},
        {UIVALT_INT, "%9999d", nullptr},     {UIVALT_INT, "no value", nullptr}, {UIVALT_INT, "%", nullptr},
        {UIVALT_REAL, "%.2f s", "42.00 s"},  {UIVALT_REAL, "%e", "4.200000e+01"}, {UIVALT_REAL, "%d", nullptr},
        {UIVALT_STRING, "[%s]", "[42]"},     {UIVALT_STRING, "%f", nullptr},
    };
    int32_t integer = 42;
    float real = 42.0f;
    std::string text = "42";
    const std::string owner = "Counter";
    std::vector<std::string> messages;
    const uiMessageSink sink = [&messages](const uiMessage& m) { messages.emplace_back(m.text); };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        uiValueText value;
        value.SetOwner(&owner, &sink);
        if (c.type == UIVALT_INT) {
            value.BindInt(&integer);
        } else if (c.type == UIVALT_REAL) {
            value.BindReal(&real);
        } else {
            value.BindText(&text);
        }
        const std::string before = value.GetFormat();
        messages.clear();
        EXPECT_EQ(value.SetFormat(c.format), c.text != nullptr);
        if (c.text != nullptr) {
            EXPECT_EQ(value.Text(), c.text);
            EXPECT_TRUE(messages.empty());
        } else {
            EXPECT_EQ(value.GetFormat(), before);
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_NE(messages[0].find("[Counter]"), std::string::npos) << messages[0];
            EXPECT_NE(messages[0].find(std::string("[") + c.format + "]"), std::string::npos) << messages[0];
        }
    }
}

} // namespace
