#include "uiColorSet.h"
#include <vanui/uiColorTable.h>

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectColor(const uiColor& color, float r, float g, float b, float a) {
    EXPECT_EQ(color.r, r);
    EXPECT_EQ(color.g, g);
    EXPECT_EQ(color.b, b);
    EXPECT_EQ(color.a, a);
}

TEST(UiColorTableTest, NamesAndDefaults) {
    const uiColorTable table;
    const std::string names[] = {"None",     "Base",  "Dark", "Light",   "Highlight", "BarBase", "BarDark",
                                 "BarLight", "Title", "Text", "Caption", "Contour",   "Border",  "ActBorder"};
    for (int i = 0; i < uiColorTable::ENTRY_COUNT; ++i) {
        EXPECT_EQ(uiColorTable::EntryName(i), names[i]);
    }
    EXPECT_EQ(uiColorTable::EntryName(-1), nullptr);
    EXPECT_EQ(uiColorTable::EntryName(14), nullptr);
    ExpectColor(table.GetEntry(UICOLOR_NONE), 0.0f, 0.0f, 0.0f, 0.0f);
    ExpectColor(table.GetEntry(UICOLOR_BASE), 0.7f, 0.7f, 0.5f, 0.8f);
    ExpectColor(table.GetEntry(UICOLOR_TEXT), 0.9f, 0.9f, 0.9f, 0.8f);
    ExpectColor(table.GetEntry(UICOLOR_CONTOUR), 1.0f, 0.3f, 0.0f, 0.8f);
    ExpectColor(table.GetEntry(UICOLOR_ACTBORDER), 0.1f, 0.1f, 0.1f, 0.8f);
}

TEST(UiColorTableTest, SetEntryRefusesAColourSummingToZero) {
    uiColorTable table;
    EXPECT_FALSE(table.SetEntry(UICOLOR_BASE, uiColor(0.0f, 0.0f, 0.0f, 0.0f)));
    ExpectColor(table.GetEntry(UICOLOR_BASE), 0.7f, 0.7f, 0.5f, 0.8f);
    EXPECT_TRUE(table.SetEntry(UICOLOR_BASE, uiColor(0.0f, 0.0f, 0.0f, 0.1f)));
    ExpectColor(table.GetEntry(UICOLOR_BASE), 0.0f, 0.0f, 0.0f, 0.1f);
}

TEST(UiColorSetTest, FadeAppliesToFreshCopyOnly) {
    const uiColorTable source;
    uiColorSet working;
    uiStyle style;
    EXPECT_TRUE(working.Refresh(source, style, 0.5f));
    EXPECT_FLOAT_EQ(working.GetEntry(UICOLOR_BASE).a, 0.4f);
    EXPECT_FLOAT_EQ(working.GetEntry(UICOLOR_ACTBORDER).a, 0.4f);
    EXPECT_FLOAT_EQ(source.GetEntry(UICOLOR_BASE).a, 0.8f);
    working.Refresh(source, style, 0.5f);
    EXPECT_FLOAT_EQ(working.GetEntry(UICOLOR_BASE).a, 0.4f);
    working.Refresh(source, style, 1.0f);
    EXPECT_FLOAT_EQ(working.GetEntry(UICOLOR_BASE).a, 0.8f);
    working.Refresh(source, style, 3.0f);
    EXPECT_FLOAT_EQ(working.GetEntry(UICOLOR_BASE).a, 0.8f);
}

TEST(UiColorSetTest, HighlightDoublesBaseOnly) {
    const uiColorTable source;
    uiColorSet working;
    uiStyle style;
    style.highlight = true;
    working.Refresh(source, style, 1.0f);
    ExpectColor(working.GetEntry(UICOLOR_BASE), 1.0f, 1.0f, 1.0f, 0.8f);
    ExpectColor(working.GetEntry(UICOLOR_DARK), 0.4f, 0.5f, 0.6f, 0.8f);
}

TEST(UiColorSetTest, ResultTellsWhetherAspectIsKnown) {
    const uiColorTable source;
    uiColorSet working;
    uiStyle style;
    for (int aspect : {0, 1, 7, 8}) {
        style.Aspect = aspect;
        EXPECT_EQ(working.Refresh(source, style, 1.0f), aspect >= 1 && aspect <= 7);
    }
}

} // namespace
