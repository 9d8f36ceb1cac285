#include "Pages.h"
#include "ConsoleCapture.h"
#include "FileText.h"
#include "TempDir.h"
#include "TextTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const char* const HEADER = "\nHead 1\nHead 2\nHead 3\n";

class PagesTest : public ::testing::Test {
protected:
    TempDir dir;
    ConsoleCapture capture;
    TextTables tables{capture.Get()};
    Pages pages{capture.Get(), tables};

    void Load(const std::string& menu, const std::string& items) {
        WriteFileText("Menu.txt", menu);
        WriteFileText("Languages.txt", "800 English             items.txt                     messages.txt\n"
                                       "801 It&Aliano\n");
        WriteFileText("items.txt", items);
        std::string messages;
        for (int i = 0; i < 11; ++i) {
            messages += "--\n";
        }
        WriteFileText("messages.txt", messages + "11  Head 1\n12  Head 2\n13  Head 3\n");
        tables.LoadLanguageTable();
        tables.LoadMenuTable();
        tables.LoadItemTextTable(0);
        tables.LoadMessageTable(0);
        capture.Output();
    }
};

TEST_F(PagesTest, MenuPageIsTwentyFiveLinesWithThePromptBelow) {
    Load(" 900   7 999  42\n", "900  79 Main &menu\n7    79 &Seven\n999  79 E&xit\n");
    pages.ShowMenuPage(900);
    EXPECT_EQ(capture.Output(), std::string(HEADER) + "Main &menu\n\n    7) &Seven\n  999) E&xit\n   42) \n" +
                                    std::string(16, '\n') + "> ");
    EXPECT_EQ(tables.FindHotkey('s'), 7);
    EXPECT_EQ(tables.FindHotkey('x'), 999);
    EXPECT_EQ(tables.FindHotkey('m'), -1);
    pages.ShowMenuPage(903);
    EXPECT_EQ(capture.Output(),
              std::string(HEADER) + "Error in the menu index\n" + std::string(19, '\n') + "> ");
    EXPECT_EQ(tables.FindHotkey('s'), -1);
}

TEST_F(PagesTest, FullPageHasNoPaddingAndTwentyHotkeys) {
    std::string menu = " 900";
    std::string items;
    for (int i = 1; i <= 24; ++i) {
        std::string code = std::to_string(i);
        menu += std::string(4 - code.size(), ' ') + code;
        items += code + std::string(4 - code.size(), ' ') + "  79&" + static_cast<char>('a' + i - 1) + "\n";
    }
    Load(menu + "\n", items);
    pages.ShowMenuPage(900);
    auto lines = capture.OutputLines();
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[25], "   20) &t");
    EXPECT_EQ(lines[26], "> ");
    EXPECT_EQ(tables.FindHotkey('t'), 20);
    EXPECT_EQ(tables.FindHotkey('u'), -1);
}

TEST_F(PagesTest, LanguagePageListsNamesAndTheirHotkeys) {
    Load(" 900\n", "");
    pages.ShowLanguagePage();
    EXPECT_EQ(capture.Output(),
              std::string(HEADER) + "\n  800) English\n  801) It&Aliano\n" + std::string(18, '\n') + "> ");
    EXPECT_EQ(tables.FindHotkey('a'), 801);
    EXPECT_EQ(tables.FindHotkey('A'), -1);
}

} // namespace
