#include "TextTables.h"
#include "ConsoleCapture.h"
#include "FileText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Padded(const std::string& text, size_t width) {
    return text + std::string(width - text.size(), ' ');
}

// count lines made by line(i), each ending in a line end.
template <typename LineMaker> std::string Repeated(int count, LineMaker line) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line(i) + "\n";
    }
    return text;
}

class TextTablesTest : public ::testing::Test {
protected:
    TempDir dir;
    ConsoleCapture capture{"\n"};
    TextTables tables{capture.Get()};

    // Loads one language (row 0) whose item text and message files have the given contents.
    void LoadLanguage(const std::string& items, const std::string& messages) {
        WriteFileText("Languages.txt",
                      "800 " + Padded("English", 20) + Padded("items.txt", 30) + "messages.txt\n");
        WriteFileText("items.txt", items);
        WriteFileText("messages.txt", messages);
        tables.LoadLanguageTable();
        tables.LoadItemTextTable(0);
        tables.LoadMessageTable(0);
    }

    std::string Text(int code) {
        const char* text = tables.FindItemText(code);
        return text != nullptr ? text : "<none>";
    }
};

TEST_F(TextTablesTest, MenuLinesSplitIntoFieldsOfFourColumns) {
    std::string menu = "# pages\n"
                       " 900   1\n"  // 8 characters: page code and one item
                       " 901   27\n" // 9 characters: the ninth is a third field
                       "\n"
                       " 900 998\n" // repeated page code: the first row wins
                       "902x  12  -3 abc\n";
    WriteFileText("Menu.txt", menu);
    tables.LoadMenuTable();
    EXPECT_EQ(capture.Output(), menu);
    EXPECT_EQ(tables.FindMenuRow(900), 0);
    EXPECT_EQ(tables.MenuCode(0, 1), 1);
    EXPECT_EQ(tables.MenuCode(0, 2), -1);
    EXPECT_EQ(tables.MenuCode(1, 2), 7);
    EXPECT_EQ(tables.FindMenuRow(902), 3);
    EXPECT_EQ(tables.MenuCode(3, 2), -3);
    EXPECT_EQ(tables.MenuCode(3, 3), 0);
    EXPECT_EQ(tables.FindMenuRow(903), -1);
}

TEST_F(TextTablesTest, LanguageColumnsAreTrimmed) {
    WriteFileText("Languages.txt", "800 " + Padded("  &English", 19) + "|" + Padded(" en items.txt", 30) +
                                       "en messages.txt \n801 Ital&Iano\n802 " + Padded("Deutsch", 20) +
                                       std::string(30, 'd') + "\n");
    tables.LoadLanguageTable();
    ASSERT_EQ(tables.LanguageCount(), 3);
    EXPECT_EQ(tables.Language(0).number, 800);
    EXPECT_STREQ(tables.Language(0).name, "&English");
    EXPECT_STREQ(tables.Language(0).itemFile, "en items.txt");
    EXPECT_STREQ(tables.Language(0).messageFile, "en messages.txt");
    EXPECT_STREQ(tables.Language(1).name, "Ital&Iano");
    EXPECT_EQ(HotkeyOf(tables.Language(1).name), 'i');
    EXPECT_STREQ(tables.Language(1).itemFile, "");
    EXPECT_EQ(std::string(tables.Language(2).itemFile), std::string(29, 'd'));
    EXPECT_TRUE(tables.IsLanguageRow(2));
    EXPECT_FALSE(tables.IsLanguageRow(3));
    EXPECT_FALSE(tables.IsLanguageRow(-1));
}

TEST_F(TextTablesTest, ItemTextsAndMessagesByColumns) {
    LoadLanguage("900  79 Main menu\n"
                 "1    79 Open # comment\n"
                 "2     4 Information\n"
                 "3    20 Trailing   \n"
                 "4    -5 Negative\n"
                 "5#   79 Hash early\n"
                 "6    79 \n" // 8 characters: skipped like a comment
                 "7   999 " +
                     std::string(90, 'x') + "\n",
                 "00  first\n# no number\n01    blanks kept  \n02  \n03\n04  last\n");
    EXPECT_EQ(Text(900), "Main menu");
    EXPECT_EQ(Text(1), "Open ");
    EXPECT_EQ(Text(2), "Info");
    EXPECT_EQ(Text(3), "Trailing   ");
    EXPECT_EQ(Text(4), "");
    EXPECT_EQ(Text(5), "");
    EXPECT_EQ(Text(6), "<none>");
    EXPECT_EQ(Text(7), std::string(79, 'x'));
    EXPECT_STREQ(tables.Message(0), "first");
    EXPECT_STREQ(tables.Message(1), "  blanks kept  ");
    EXPECT_STREQ(tables.Message(2), "");
    EXPECT_STREQ(tables.Message(3), "");
    EXPECT_STREQ(tables.Message(4), "last");
    EXPECT_STREQ(tables.Message(5), "");
    EXPECT_STREQ(tables.Message(100), "");
}

TEST_F(TextTablesTest, EveryTableKeepsItsCapacity) {
    std::string longLine = " 901" + std::string(150, ' ') + " 902   1";
    WriteFileText("Menu.txt", longLine + "\n" + Repeated(25, [](int row) {
                                  std::string line = std::to_string(1000 + row);
                                  for (int item = 10; item < 32; ++item) {
                                      line += "  " + std::to_string(item);
                                  }
                                  return line;
                              }));
    tables.LoadMenuTable();
    EXPECT_EQ(capture.OutputLines()[0], longLine.substr(0, 99));
    EXPECT_EQ(tables.FindMenuRow(902), -1);
    EXPECT_EQ(tables.FindMenuRow(1018), 19);
    EXPECT_EQ(tables.FindMenuRow(1019), -1);
    EXPECT_EQ(tables.MenuCode(0, 0), 901);
    EXPECT_EQ(tables.MenuCode(1, 20), 29);

    WriteFileText("Languages.txt", Repeated(35, [](int i) { return std::to_string(800 + i) + " L"; }));
    tables.LoadLanguageTable();
    EXPECT_EQ(tables.LanguageCount(), 30);
    LoadLanguage(Repeated(120, [](int i) { return Padded(std::to_string(i), 4) + "  79Item"; }),
                 Repeated(120, [](int i) { return "    " + std::to_string(i); }));
    EXPECT_EQ(Text(99), "Item");
    EXPECT_EQ(Text(100), "<none>");
    EXPECT_STREQ(tables.Message(99), "99");
}

TEST_F(TextTablesTest, MissingFileLeavesTheTableAsItWas) {
    LoadLanguage("900  79 Main menu\n", "00  hello\n");
    capture.Output();
    std::remove("items.txt");
    tables.LoadItemTextTable(0);
    EXPECT_EQ(capture.Output(), "errore nel file. Premere enter");
    EXPECT_EQ(Text(900), "Main menu");
    tables.LoadMessageTable(5); // a row without file names
    EXPECT_EQ(capture.Output(), "errore nel file. Premere enter");
    EXPECT_STREQ(tables.Message(0), "hello");
    EXPECT_TRUE(capture.Get().InputEnded());
}

TEST_F(TextTablesTest, HotkeysMatchExactlyAndStopAtTwenty) {
    EXPECT_EQ(HotkeyOf("&Big & small"), 'b');
    EXPECT_EQ(HotkeyOf("end&"), 0);
    EXPECT_EQ(HotkeyOf(nullptr), 0);
    tables.ResetHotkeys();
    for (int i = 0; i < 30; ++i) {
        tables.AddHotkey(100 + i, static_cast<char>('a' + i));
    }
    EXPECT_EQ(tables.FindHotkey('b'), 101);
    EXPECT_EQ(tables.FindHotkey('B'), -1);
    EXPECT_EQ(tables.FindHotkey('a' + 19), 119);
    EXPECT_EQ(tables.FindHotkey('a' + 20), -1);
}

} // namespace
