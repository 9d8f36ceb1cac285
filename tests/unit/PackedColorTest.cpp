#include "PackedColor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace drev;

void PrintTo(const PackedColor& c, std::ostream* out) {
    *out << int(c.red) << ", " << int(c.green) << ", " << int(c.blue) << ", " << int(c.alpha);
}

namespace {

PackedColor Bytes(int red, int green, int blue, int alpha = 255) {
    PackedColor color{std::uint8_t(red), std::uint8_t(green), std::uint8_t(blue)};
    color.alpha = std::uint8_t(alpha);
    return color;
}

// --- constructors and constants ---

TEST(PackedColorBuild, ConstructorsAndConstants) {
    EXPECT_EQ(PackedColor(), Bytes(0, 0, 0));
    EXPECT_EQ(PackedColor::Black, Bytes(0, 0, 0));
    EXPECT_EQ(PackedColor::White, Bytes(255, 255, 255));
    EXPECT_EQ(Bytes(1, 2, 3).alpha, 255);
    EXPECT_EQ(PackedColor(0.25, 0.5, 1.0, 0.0), Bytes(63, 127, 255, 0));
    EXPECT_EQ(PackedColor(Bytes(10, 20, 30, 40), 0.5), Bytes(10, 20, 30, 127));
}

TEST(PackedColorBuild, RealsAreClampedAndTruncated) {
    EXPECT_EQ(PackedColor(-0.5, 0.5, 2.0), Bytes(0, 127, 255));
    EXPECT_EQ(PackedColor(0.999, 1e-9, INFINITY, -INFINITY), Bytes(255, 0, 255, 0));
    EXPECT_EQ(PackedColor(NAN, 0.1, 0.9), Bytes(0, 25, 230));
}

// --- text forms ---

TEST(PackedColorParse, HexadecimalForms) {
    const std::pair<const char*, PackedColor> cases[] = {
        {"#fff", Bytes(255, 255, 255)},       {"#000000", Bytes(0, 0, 0)},
        {"#1a9", Bytes(0x11, 0xaa, 0x99)},    {"#A0b", Bytes(0xaa, 0x00, 0xbb)},
        {"#12aB5c", Bytes(0x12, 0xab, 0x5c)},
    };
    for (const auto& [text, expected] : cases) {
        PackedColor color(0.5, 0.5, 0.5, 0.5);
        EXPECT_TRUE(ParseColor(text, color)) << text;
        EXPECT_EQ(color, expected) << text;
    }
}

TEST(PackedColorParse, TheEightNames) {
    const std::pair<const char*, PackedColor> cases[] = {
        {"red", Bytes(255, 0, 0)},    {"green", Bytes(0, 255, 0)},     {"blue", Bytes(0, 0, 255)},
        {"cyan", Bytes(0, 255, 255)}, {"magenta", Bytes(255, 0, 255)}, {"yellow", Bytes(255, 255, 0)},
        {"black", Bytes(0, 0, 0)},    {"white", Bytes(255, 255, 255)},
    };
    for (const auto& [text, expected] : cases) {
        PackedColor color(0.5, 0.5, 0.5, 0.5);
        EXPECT_TRUE(ParseColor(text, color)) << text;
        EXPECT_EQ(color, expected) << text;
    }
}

TEST(PackedColorParse, OtherTextsLeaveTheColourUnchanged) {
    for (const char* text :
         {"#12ab5", "#", "#ggg", "#1234567", "# fff", "#fff ", "Red", "white ", "", "grey"}) {
        PackedColor color = Bytes(1, 2, 3, 4);
        EXPECT_FALSE(ParseColor(text, color)) << text;
        EXPECT_EQ(color, Bytes(1, 2, 3, 4)) << text;
    }
}

} // namespace
