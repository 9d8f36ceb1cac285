// How krfmake lays cells on a sheet: padding between cells and rows, the first cell at the
// sheet's corner, and how many cells are left over when the sheet is too small. And how
// --size-auto picks the sheet: the smallest power-of-two size that holds every cell.
#include "SheetPacker.h"
#include "SheetSizes.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::pair<int, int>> Places(const PackResult& result) {
    std::vector<std::pair<int, int>> places;
    for (const CellPlace& place : result.places) {
        places.emplace_back(place.x, place.y);
    }
    return places;
}

TEST(SheetPackerTest, PaddingSeparatesCellsAndRows) {
    const std::vector<int> widths = {4, 5, 3, 6};
    using Places_ = std::vector<std::pair<int, int>>;
    // A 12-pixel row holds 4 + 1 + 5 with padding 1, and the 3 no more; lines are 7 high.
    EXPECT_EQ(Places(SheetPacker(12, 64, 7, 1).Pack(widths)), (Places_{{0, 0}, {5, 0}, {0, 8}, {4, 8}}));
    EXPECT_EQ(Places(SheetPacker(12, 64, 7, 0).Pack(widths)), (Places_{{0, 0}, {4, 0}, {9, 0}, {0, 7}}));
    EXPECT_EQ(Places(SheetPacker(12, 64, 7, 3).Pack(widths)), (Places_{{0, 0}, {7, 0}, {0, 10}, {6, 10}}));
}

TEST(SheetPackerTest, RowsAvailableCountPaddingBetweenRowsOnly) {
    EXPECT_EQ(SheetPacker(64, 31, 15, 1).RowsAvailable(), 2);
    EXPECT_EQ(SheetPacker(64, 30, 15, 1).RowsAvailable(), 1);
    EXPECT_EQ(SheetPacker(64, 30, 15, 0).RowsAvailable(), 2);
    EXPECT_EQ(SheetPacker(64, 36, 15, 6).RowsAvailable(), 2);
}

TEST(SheetPackerTest, CountsTheCellsLeftOver) {
    // Ten cells of 5 on a 16-pixel row: two a row, one row of room.
    const PackResult tooFew = SheetPacker(16, 10, 10, 1).Pack(std::vector<int>(10, 5));
    EXPECT_FALSE(tooFew.fits);
    EXPECT_EQ(tooFew.rowsNeeded, 5);
    EXPECT_EQ(tooFew.cellsLeftOver, 8);
    EXPECT_TRUE(tooFew.places.empty());

    // Cells wider than the sheet never fit; the others still count by rows.
    const PackResult tooWide = SheetPacker(16, 10, 10, 1).Pack({20, 5, 17, 5});
    EXPECT_EQ(tooWide.cellsLeftOver, 2);
    EXPECT_TRUE(SheetPacker(16, 10, 10, 1).Pack({5, 5, 4}).fits);
}

TEST(SheetSizesTest, TriesSmallAreasFirstSquarerAndWiderFirst) {
    const std::vector<SheetSize> sizes = AutoSheetSizes();
    ASSERT_EQ(sizes.size(), 81u);
    const std::vector<std::pair<int, int>> first = {{16, 16}, {32, 16}, {16, 32},
                                                    {32, 32}, {64, 16}, {16, 64}};
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(std::make_pair(sizes[i].width, sizes[i].height), first[i]) << i;
    }
    EXPECT_EQ(sizes.back().width, 4096);
    EXPECT_EQ(sizes.back().height, 4096);
}

// The size chosen holds every cell and no size of smaller area does.
TEST(SheetSizesTest, ChoosesTheSmallestSheetThatHoldsEveryCell) {
    std::vector<int> widths;
    for (int i = 0; i < 191; ++i) {
        widths.push_back(3 + i % 9);
    }
    SheetChoice choice;
    ASSERT_TRUE(ChooseAutoSheet(widths, 15, 1, choice));
    EXPECT_EQ(std::make_pair(choice.size.width, choice.size.height), std::make_pair(256, 128));
    EXPECT_TRUE(choice.packed.fits);
    EXPECT_EQ(choice.packed.places.size(), widths.size());
    for (const SheetSize& size : AutoSheetSizes()) {
        if (size.width * size.height < 256 * 128) {
            EXPECT_FALSE(SheetPacker(size.width, size.height, 15, 1).Pack(widths).fits)
                << size.width << "x" << size.height;
        }
    }
    // More padding, a larger sheet.
    ASSERT_TRUE(ChooseAutoSheet(widths, 15, 4, choice));
    EXPECT_EQ(std::make_pair(choice.size.width, choice.size.height), std::make_pair(256, 256));
}

TEST(SheetSizesTest, SaysWhenNoSizeIsLargeEnough) {
    SheetChoice choice;
    EXPECT_FALSE(ChooseAutoSheet({5000}, 10, 1, choice));
    EXPECT_EQ(choice.size.width, 4096);
    EXPECT_EQ(choice.packed.cellsLeftOver, 1);
    EXPECT_FALSE(ChooseAutoSheet(std::vector<int>(40000, 100), 100, 1, choice));
    EXPECT_GT(choice.packed.cellsLeftOver, 0);
}

} // namespace
