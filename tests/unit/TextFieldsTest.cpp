#include "TextFields.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <string>

namespace {

TEST(TextFieldsTest, BoundedLinesDropTheRestAndTheLineEnd) {
    std::string text = "abcdefgh\r\nxy\rz\n\nlast";
    std::FILE* file = fmemopen(text.data(), text.size(), "r");
    ASSERT_NE(file, nullptr);
    char line[5];
    std::vector<std::string> lines;
    while (ReadBoundedLine(file, line, sizeof line)) {
        lines.push_back(line);
    }
    std::fclose(file);
    EXPECT_EQ(lines, (std::vector<std::string>{"abcd", "xy\rz", "", "last"}));
}

TEST(TextFieldsTest, NumbersAtTheStartOfAField) {
    EXPECT_EQ(FieldInteger(" 900123", 4), 900);
    EXPECT_EQ(FieldInteger("  -3", 4), -3);
    EXPECT_EQ(FieldInteger("    12", 4), 0);
    EXPECT_EQ(FieldInteger("x1", 2), 0);
    EXPECT_EQ(LeadingInteger("\t+42abc"), 42);
    EXPECT_EQ(LeadingInteger("99999999999"), INT_MAX);
    EXPECT_EQ(LeadingInteger("-99999999999"), INT_MIN);
    EXPECT_DOUBLE_EQ(LeadingReal(" -1.5e2x"), -150.0);
    EXPECT_DOUBLE_EQ(LeadingReal(".5"), 0.5);
    EXPECT_DOUBLE_EQ(LeadingReal("7e"), 7.0);
    EXPECT_DOUBLE_EQ(LeadingReal("inf"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingReal("nan"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingReal("0x10"), 0.0);
    EXPECT_DOUBLE_EQ(LeadingReal("-."), 0.0);
}

TEST(TextFieldsTest, TrimSpacesRemovesBlanksOnly) {
    char text[] = "  \tname  ";
    EXPECT_EQ(TrimSpaces(text), 5);
    EXPECT_STREQ(text, "\tname");
    char blanks[] = "   ";
    EXPECT_EQ(TrimSpaces(blanks), 0);
    char field[4];
    CopyField(field, sizeof field, "abcdef", 5);
    EXPECT_STREQ(field, "abc");
}

} // namespace
