#include "UiLoaderTestSupport.h"
#include "uiInternal.h"

#include <algorithm>
#include <sstream>

namespace {

class UiColorFontSectionTest : public UiLoaderTestBase {
protected:
    // A colour table section with entry i set to (i / 20, 0.5, 0.25, 1), except that the
    // entry of the given index is written as the replacement text (left out when empty).
    static std::string ColorSection(int index = -1, const std::string& replacement = "") {
        std::ostringstream text;
        text << "uiColorTable {\n";
        for (int entry = 0; entry < uiColorTable::ENTRY_COUNT; ++entry) {
            if (entry == index) {
                text << "  " << replacement << "\n";
            } else {
                text << "  " << uiColorTable::EntryName(entry) << " [ " << entry / 20.0 << " 0.5 0.25 1 ]\n";
            }
        }
        text << "}\n";
        return text.str();
    }

    bool IsLoaded(int index) const {
        return context->Colors().GetEntry(index).r == static_cast<float>(index / 20.0);
    }
    bool IsDefault(int index) const {
        return context->Colors().GetEntry(index).r == uiColorTable().GetEntry(index).r;
    }
};

const char* const COLOR_PROBLEM = "ERROR   : UI file [test.ui] not correct: problem in ColorTable";
const char* const FONT_WARNING =
    "RECORD  : Warning: invalid entries found in UI file [test.ui] for uiFontTable ";

TEST_F(UiColorFontSectionTest, CompleteColorTableReplacesAllFourteen) {
    ASSERT_TRUE(Load(ColorSection()));
    EXPECT_EQ(Logged(), Lines{"RECORD  : Loaded an uiColortable with [14] entries from UI file [test.ui]"});
    for (int index = 1; index < uiColorTable::ENTRY_COUNT; ++index) {
        EXPECT_TRUE(IsLoaded(index)) << index;
    }
    EXPECT_EQ(context->Colors().GetEntry(5).b, 0.25f);
    EXPECT_EQ(StateOf(*context).workColors.GetEntry(5).b, uiColorTable().GetEntry(5).b);
}

TEST_F(UiColorFontSectionTest, TwoColorTablesApplyInOrder) {
    ASSERT_TRUE(Load(ColorSection() + ColorSection(UICOLOR_BASE, "Base [ 0.3 0.3 0.3 0.3 ]")));
    const std::string loaded = "RECORD  : Loaded an uiColortable with [14] entries from UI file [test.ui]";
    EXPECT_EQ(Logged(), (Lines{loaded, loaded}));
    EXPECT_EQ(context->Colors().GetEntry(UICOLOR_BASE).r, 0.3f);
}

TEST_F(UiColorFontSectionTest, MissingFirstEntryChangesNothing) {
    EXPECT_FALSE(Load(ColorSection(UICOLOR_NONE)));
    EXPECT_EQ(Logged(), Lines{COLOR_PROBLEM});
    for (int index = 0; index < uiColorTable::ENTRY_COUNT; ++index) {
        EXPECT_TRUE(IsDefault(index)) << index;
    }
}

TEST_F(UiColorFontSectionTest, MissingLastEntryKeepsTheEntriesBeforeIt) {
    EXPECT_FALSE(Load(ColorSection(UICOLOR_ACTBORDER) + "uiWindow \"Never\" \"Application\" { }"));
    EXPECT_EQ(Logged(), Lines{COLOR_PROBLEM});
    for (int index = 1; index < UICOLOR_ACTBORDER; ++index) {
        EXPECT_TRUE(IsLoaded(index)) << index;
    }
    EXPECT_TRUE(IsDefault(UICOLOR_ACTBORDER));
    EXPECT_TRUE(context->WindowCount() == 0);
}

TEST_F(UiColorFontSectionTest, ThreeNumberEntryStopsTheTableThere) {
    EXPECT_FALSE(Load("uiColorTable { None [ 0.1 0.2 0.3 0.4 ] Base [ 1 0 0 ] Dark [ 1 1 1 1 ] }"));
    EXPECT_EQ(Logged(), Lines{COLOR_PROBLEM});
    EXPECT_EQ(context->Colors().GetEntry(UICOLOR_NONE).a, 0.4f);
    EXPECT_TRUE(IsDefault(UICOLOR_BASE));
    EXPECT_TRUE(IsDefault(UICOLOR_DARK));
}

TEST_F(UiColorFontSectionTest, KeyOfAnotherCaseCountsAsMissing) {
    EXPECT_FALSE(Load(ColorSection(UICOLOR_BASE, "base [ 1 0 0 1 ]")));
    EXPECT_EQ(Logged(), Lines{COLOR_PROBLEM});
    EXPECT_TRUE(IsDefault(UICOLOR_BASE));
}

TEST_F(UiColorFontSectionTest, AllZeroEntryKeepsItsColourAndStillCounts) {
    ASSERT_TRUE(Load(ColorSection(UICOLOR_DARK, "Dark [ 0 0 0 0 ]")));
    EXPECT_EQ(Logged(), Lines{"RECORD  : Loaded an uiColortable with [14] entries from UI file [test.ui]"});
    EXPECT_TRUE(IsDefault(UICOLOR_DARK));
    EXPECT_TRUE(IsLoaded(UICOLOR_LIGHT));
}

TEST_F(UiColorFontSectionTest, OneFontFillsItsSlotAndWarns) {
    WriteTestFont("label.krf", "Label");
    uiFont* standard = context->Fonts().Slot(0);
    ASSERT_TRUE(Load("uiFontTable { Label \"label.krf\" }"));
    EXPECT_EQ(Logged(),
              (Lines{"RECORD  : Item [1] of uiFonTable for [label.krf] loaded successfully.", FONT_WARNING,
                     "RECORD  : Loaded an uiFontTable with [1] valid entries from UI file [test.ui]"}));
    EXPECT_EQ(context->Fonts().Slot(1)->Name(), "Label 12 8x8");
    for (int slot : {0, 2, 3, 4, 5}) {
        EXPECT_EQ(context->Fonts().Slot(slot), standard) << slot;
    }
}

TEST_F(UiColorFontSectionTest, FiveFontsLoadWithoutWarning) {
    const char* const keys[] = {"Label", "Text", "Title", "Small", "Mono"};
    std::string section = "uiFontTable {";
    for (const char* key : keys) {
        WriteTestFont(std::string(key) + ".krf", key);
        section += std::string(" ") + key + " \"" + key + ".krf\"";
    }
    ASSERT_TRUE(Load(section + " Extra 5 }"));
    Lines lines = Logged();
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[4], "RECORD  : Item [5] of uiFonTable for [Mono.krf] loaded successfully.");
    EXPECT_EQ(lines[5], "RECORD  : Loaded an uiFontTable with [5] valid entries from UI file [test.ui]");
    for (int slot = 1; slot <= 5; ++slot) {
        EXPECT_EQ(context->Fonts().Slot(slot)->Name(), std::string(keys[slot - 1]) + " 12 8x8");
    }
}

TEST_F(UiColorFontSectionTest, MissingOrMistypedFontsAreCountedOutAndTheLoadGoesOn) {
    WriteTestFont("text.krf", "Text");
    uiFont* standard = context->Fonts().Slot(0);
    ASSERT_TRUE(Load("uiFontTable { Label \"absent.krf\" Text \"text.krf\" Mono 7 }\n"
                     "uiWindow \"After\" \"Application\" { }"));
    EXPECT_EQ(Logged(),
              (Lines{"ERROR   : Wrong KORU font file [absent.krf]",
                     "RECORD  : Item [2] of uiFonTable for [text.krf] loaded successfully.", FONT_WARNING,
                     "RECORD  : Loaded an uiFontTable with [1] valid entries from UI file [test.ui]"}));
    EXPECT_EQ(context->Fonts().Slot(1), standard);
    EXPECT_EQ(context->Fonts().Slot(5), standard);
    EXPECT_EQ(context->WindowCount(), 1u);
}

// A slot filled twice leaves the table owning the font it held first: each of the three
// fonts is released, its texture deleted, once when the context goes.
TEST_F(UiColorFontSectionTest, TwoFontTableSectionsKeepEveryFontOwned) {
    WriteTestFont("first.krf", "First");
    WriteTestFont("second.krf", "Second");
    ASSERT_TRUE(Load("uiFontTable { Label \"first.krf\" }\nuiFontTable { Label \"second.krf\" }"));
    EXPECT_EQ(context->Fonts().Slot(1)->Name(), "Second 12 8x8");
    EXPECT_EQ(RecordingGL::CallsNamed("glGenTextures").size(), 3u);
    EXPECT_TRUE(RecordingGL::CallsNamed("glDeleteTextures").empty());

    context.reset();
    std::vector<double> deleted;
    for (const RecordingGL::Call& call : RecordingGL::CallsNamed("glDeleteTextures")) {
        deleted.push_back(call.args[1]);
    }
    std::sort(deleted.begin(), deleted.end());
    EXPECT_EQ(deleted, (std::vector<double>{1, 2, 3}));
}

} // namespace
