#include "CommandDispatcher.h"
#include "ConsoleCapture.h"
#include "FileText.h"
#include "Pages.h"
#include "TempDir.h"
#include "TextTables.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Messages(const std::string& prefix) {
    std::string text;
    for (int i = 0; i < 26; ++i) {
        text += "    " + prefix + " " + std::to_string(i) + "\n";
    }
    return text;
}

// The console, tables and dispatcher of one run, with the given typed input.
struct Shell {
    explicit Shell(const std::string& input) : capture(input) {
        tables.LoadLanguageTable();
        tables.LoadMenuTable();
        tables.LoadMessageTable(0);
        tables.LoadItemTextTable(0);
        capture.Output();
    }

    ConsoleCapture capture;
    TextTables tables{capture.Get()};
    Pages pages{capture.Get(), tables};
    int language = 0;
    CommandDispatcher dispatcher{capture.Get(), tables, pages, &language, 0, nullptr};
};

class CommandDispatcherTest : public ::testing::Test {
protected:
    CommandDispatcherTest() {
        WriteFileText("Menu.txt", " 900   1 999\n 901   5\n");
        WriteFileText("Languages.txt",
                      "800 English             items_en.txt                  messages_en.txt\n"
                      "801 Italiano            items_it.txt                  messages_it.txt\n");
        WriteFileText("items_en.txt", "900  79 Main\n1    79 &Info\n999  79 E&xit\n5    79 &3 digit\n");
        WriteFileText("messages_en.txt", Messages("en"));
        WriteFileText("items_it.txt", "900  79 Principale\n");
        WriteFileText("messages_it.txt", Messages("it"));
    }

    TempDir dir;
};

TEST_F(CommandDispatcherTest, ParseCommandRules) {
    Shell shell("");
    shell.pages.ShowMenuPage(900);
    const CommandDispatcher& d = shell.dispatcher;
    EXPECT_EQ(d.ParseCommand("i"), 1);
    EXPECT_EQ(d.ParseCommand("x"), 999);
    EXPECT_EQ(d.ParseCommand("I"), 0);
    EXPECT_EQ(d.ParseCommand("12abc"), 12);
    EXPECT_EQ(d.ParseCommand(" 2"), 2);
    EXPECT_EQ(d.ParseCommand("4"), 4);
    EXPECT_EQ(d.ParseCommand("exit"), 999);
    EXPECT_EQ(d.ParseCommand("menu"), 901);
    for (const char* line : {"EXIT", "Menu", "0", "-3", "", "exit ", "+0"}) {
        EXPECT_EQ(d.ParseCommand(line), 0) << line;
    }
    shell.pages.ShowMenuPage(901);
    EXPECT_EQ(d.ParseCommand("3"), 5);
}

TEST_F(CommandDispatcherTest, LanguageSwitchReloadsItemTextsThenMessages) {
    Shell shell("\n\n");
    EXPECT_TRUE(shell.dispatcher.DispatchCommand(800));
    EXPECT_EQ(shell.capture.Output(), "");
    EXPECT_TRUE(shell.dispatcher.DispatchCommand(801));
    EXPECT_EQ(shell.language, 1);
    EXPECT_EQ(shell.capture.Output(), "900  79 Principale\n" + Messages("it"));
    EXPECT_STREQ(shell.tables.FindItemText(900), "Principale");
    EXPECT_STREQ(shell.tables.Message(11), "it 11");

    for (int refused : {802, 899}) {
        EXPECT_TRUE(shell.dispatcher.DispatchCommand(refused));
        EXPECT_EQ(shell.capture.Output(), "Unknown command:. Press [Enter] to continue\n");
        EXPECT_EQ(shell.language, 1);
    }
}

TEST_F(CommandDispatcherTest, EndOfInputEndsTheLoopFromAnyWait) {
    for (const char* input : {"", "1\n", "998", "5\n", "5\n1", "6\nab", "xyz\nexi", "801"}) {
        Shell shell(input);
        shell.dispatcher.RunMenuLoop();
        EXPECT_TRUE(shell.capture.Get().InputEnded()) << input;
        EXPECT_EQ(shell.capture.Unread(), "") << input;
    }
    Shell started("");
    started.dispatcher.ShowStartScreen();
    EXPECT_EQ(started.capture.OutputLines().size(), 25u);
}

} // namespace
