#include <vanui/uiColor.h>

#include <gtest/gtest.h>

namespace {

void ExpectColor(const uiColor& color, float r, float g, float b, float a) {
    EXPECT_FLOAT_EQ(color.r, r);
    EXPECT_FLOAT_EQ(color.g, g);
    EXPECT_FLOAT_EQ(color.b, b);
    EXPECT_FLOAT_EQ(color.a, a);
}

TEST(UiColorTest, SetStoresValuesUnclamped) {
    uiColor color;
    ExpectColor(color, 0.0f, 0.0f, 0.0f, 0.0f);
    color.Set(-1.0f, 2.0f, 0.5f, 3.0f);
    ExpectColor(color, -1.0f, 2.0f, 0.5f, 3.0f);
    EXPECT_EQ(uiColor::Clamp01(-0.1f), 0.0f);
    EXPECT_EQ(uiColor::Clamp01(1.5f), 1.0f);
    EXPECT_EQ(uiColor::Clamp01(0.25f), 0.25f);
}

TEST(UiColorTest, AdditionAndSubtractionSaturateAllFourComponents) {
    const uiColor left(0.6f, 0.2f, 0.9f, 0.7f);
    const uiColor right(0.5f, 0.1f, 0.05f, 0.5f);
    ExpectColor(left + right, 1.0f, 0.3f, 0.95f, 1.0f);
    ExpectColor(right - left, 0.0f, 0.0f, 0.0f, 0.0f);
    ExpectColor(left - right, 0.1f, 0.1f, 0.85f, 0.2f);

    uiColor inPlace = left;
    inPlace += right;
    ExpectColor(inPlace, 1.0f, 0.3f, 0.95f, 1.0f);
    inPlace -= uiColor(2.0f, 0.0f, 0.0f, 0.5f);
    ExpectColor(inPlace, 0.0f, 0.3f, 0.95f, 0.5f);
}

TEST(UiColorTest, ScalingClampsColourAndKeepsAlpha) {
    const uiColor color(0.6f, 0.2f, 0.9f, 0.5f);
    ExpectColor(color * 2.0f, 1.0f, 0.4f, 1.0f, 0.5f);
    ExpectColor(color * -1.0f, 0.0f, 0.0f, 0.0f, 0.5f);
    uiColor inPlace = color;
    inPlace *= 2.0f;
    ExpectColor(inPlace, 1.0f, 0.4f, 1.0f, 0.5f);
}

TEST(UiColorTest, DivisionDoesNotClamp) {
    const uiColor color(0.6f, 0.2f, 0.9f, 0.5f);
    ExpectColor(color / 0.5f, 1.2f, 0.4f, 1.8f, 0.5f);
    uiColor inPlace = color;
    inPlace /= 2.0f;
    ExpectColor(inPlace, 0.3f, 0.1f, 0.45f, 0.5f);
}

} // namespace
