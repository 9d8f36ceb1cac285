#include <vanui/uiFontTable.h>
#include "FontTestSupport.h"

#include <filesystem>
#include <memory>
#include <set>

namespace {

using Lines = std::vector<std::string>;

const char* const NO_DEFAULT =
    "Unable to create the default font table. Probably the file [default.uif] is missing.";

class UiFontTableTest : public FontTestBase {};

TEST_F(UiFontTableTest, DefaultFontFillsAllSlots) {
    WriteKrf("default.krf", SampleFont());
    uiFontTable table({}, &RecordingTextures(), &ToolkitLog());
    uiFont* font = table.Slot(0);
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(font->IsLoaded());
    for (int slot = 1; slot < uiFontTable::SLOT_COUNT; ++slot) {
        EXPECT_EQ(table.Slot(slot), font) << slot;
    }
    EXPECT_TRUE(NewLogLines().empty());
}

TEST_F(UiFontTableTest, LoadItemGivesOneSlotItsOwnFont) {
    WriteKrf("default.krf", SampleFont());
    WriteKrf("mono.krf", SampleFont());
    uiFontTable table({}, &RecordingTextures(), &ToolkitLog());
    uiFont* standard = table.Slot(0);

    EXPECT_TRUE(table.LoadItem(5, "mono.krf"));
    EXPECT_NE(table.Slot(5), standard);
    ASSERT_NE(table.Slot(5), nullptr);
    EXPECT_TRUE(table.Slot(5)->IsLoaded());
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(table.Slot(slot), standard) << slot;
    }
    EXPECT_EQ(NewLogLines(), Lines{"Item [5] of uiFonTable for [mono.krf] loaded successfully."});
}

TEST_F(UiFontTableTest, MissingItemKeepsTheDefault) {
    WriteKrf("default.krf", SampleFont());
    uiFontTable table({}, &RecordingTextures(), &ToolkitLog());
    EXPECT_FALSE(table.LoadItem(1, "nofile.krf"));
    EXPECT_EQ(table.Slot(1), table.Slot(0));
    EXPECT_EQ(NewLogLines(), Lines{"Wrong KORU font file [nofile.krf]"});
}

TEST_F(UiFontTableTest, WithoutDefaultFileSlotsStayEmpty) {
    WriteKrf("label.krf", SampleFont());
    uiFontTable table({}, &RecordingTextures(), &ToolkitLog());
    for (int slot = 0; slot < uiFontTable::SLOT_COUNT; ++slot) {
        EXPECT_EQ(table.Slot(slot), nullptr) << slot;
    }
    EXPECT_EQ(NewLogLines(), (Lines{"Wrong KORU font file [default.krf]", NO_DEFAULT}));

    EXPECT_TRUE(table.LoadItem(1, "label.krf"));
    EXPECT_NE(table.Slot(1), nullptr);
    EXPECT_EQ(table.Slot(2), nullptr);
}

// The table owns every font it loaded: refilling a slot frees nothing, and the table's end
// releases each font (and its texture) exactly once, the shared default included.
TEST_F(UiFontTableTest, SlotFilledTwiceKeepsBothFontsOwned) {
    WriteKrf("default.krf", SampleFont());
    WriteKrf("a.krf", SampleFont());
    WriteKrf("b.krf", SampleFont());
    {
        uiFontTable table({}, &RecordingTextures(), &ToolkitLog());
        ASSERT_TRUE(table.LoadItem(1, "a.krf"));
        uiFont* first = table.Slot(1);
        ASSERT_TRUE(table.LoadItem(1, "b.krf"));
        EXPECT_NE(table.Slot(1), first);
        EXPECT_TRUE(RecordingGL::CallsNamed("glDeleteTextures").empty());
    }
    std::multiset<double> deleted;
    for (const auto& call : RecordingGL::CallsNamed("glDeleteTextures")) {
        deleted.insert(call.args[1]);
    }
    EXPECT_EQ(deleted, (std::multiset<double>{1, 2, 3}));
}

// --- search folders ---

// Two folders as a UI file's own folder and the shipped fonts: the first that holds a name wins,
// messages name the path that was opened, and every path looked at is remembered once.
TEST_F(UiFontTableTest, SearchFoldersAreTriedInOrder) {
    std::filesystem::create_directories("mine");
    std::filesystem::create_directories("shipped");
    KrfFont mine = SampleFont();
    mine.name = "Mine";
    WriteKrf("mine/label.krf", mine);
    WriteKrf("shipped/label.krf", SampleFont());
    WriteKrf("shipped/default.krf", SampleFont());
    WriteKrf("default.krf", mine); // the working directory is not searched

    uiFontTable table({"mine", "shipped"}, &RecordingTextures(), &ToolkitLog());
    ASSERT_NE(table.Slot(0), nullptr);
    EXPECT_EQ(table.Slot(0)->Name(), "Sans 12 256x128");
    ASSERT_TRUE(table.LoadItem(1, "label.krf"));
    EXPECT_EQ(table.Slot(1)->Name(), "Mine 12 256x128");
    EXPECT_TRUE(table.LoadItem(2, "label.krf"));

    EXPECT_EQ(NewLogLines(), (Lines{"Item [1] of uiFonTable for [mine/label.krf] loaded successfully.",
                                    "Item [2] of uiFonTable for [mine/label.krf] loaded successfully."}));
    EXPECT_EQ(table.TriedPaths(), (Lines{"mine/default.krf", "shipped/default.krf", "mine/label.krf"}));
}

TEST_F(UiFontTableTest, NameNoFolderHoldsIsReportedAsGivenAndNotOpenedHere) {
    std::filesystem::create_directories("shipped/nested.krf");
    WriteKrf("shipped/default.krf", SampleFont());
    WriteKrf("nofile.krf", SampleFont());
    uiFontTable table({"mine", "shipped"}, &RecordingTextures(), &ToolkitLog());

    EXPECT_FALSE(table.LoadItem(1, "nofile.krf"));
    EXPECT_EQ(table.Slot(1), table.Slot(0));
    // A directory of the name is found, and refused by the font under its path.
    EXPECT_FALSE(table.LoadItem(2, "nested.krf"));
    EXPECT_EQ(NewLogLines(),
              (Lines{"Wrong KORU font file [nofile.krf]", "Wrong KORU font file [shipped/nested.krf]"}));
    EXPECT_EQ(table.TriedPaths(), (Lines{"mine/default.krf", "shipped/default.krf", "mine/nofile.krf",
                                         "shipped/nofile.krf", "mine/nested.krf", "shipped/nested.krf"}));
    EXPECT_EQ(table.OpenFont("nofile.krf"), nullptr);
}

TEST_F(UiFontTableTest, WithoutFoldersNamesOpenInTheWorkingDirectoryAndAbsolutePathsAsGiven) {
    WriteKrf("default.krf", SampleFont());
    std::filesystem::create_directories("fonts");
    WriteKrf("fonts/a.krf", SampleFont());
    const std::string absolute = std::filesystem::absolute("fonts/a.krf").string();

    uiFontTable plain;
    EXPECT_TRUE(plain.LoadItem(1, "fonts/a.krf"));
    EXPECT_EQ(plain.TriedPaths(), (Lines{"default.krf", "fonts/a.krf"}));

    uiFontTable searching({"fonts"});
    EXPECT_EQ(searching.Slot(0), nullptr);
    std::unique_ptr<uiFont> font = searching.OpenFont(absolute);
    ASSERT_NE(font, nullptr);
    EXPECT_TRUE(font->IsLoaded());
    EXPECT_EQ(searching.TriedPaths(), (Lines{"fonts/default.krf", absolute}));
}

} // namespace
