#include "CommandDispatcher.h"

#include "Console.h"
#include "ConsoleKeys.h"
#include "FontTestWindow.h"
#include "Pages.h"
#include "StopSignal.h"
#include "TextFields.h"
#include "TextTables.h"
#include "UiTestWindow.h"

#include <cctype>
#include <cstring>

using namespace drev;

namespace {

constexpr int LANGUAGE_CHOICE_CODE = 5;
constexpr int KEY_TEST_CODE = 6;
constexpr int UI_TEST_CODE = 7;
constexpr int FONT_TEST_CODE = 8;
constexpr int ABOUT_CODE = 998;
constexpr int EXIT_CODE = 999;
constexpr int MENU_CODE = 901;
constexpr int FIRST_LANGUAGE_CODE = 800;
constexpr int LAST_LANGUAGE_CODE = 899;
constexpr int LAST_PAGE = 904;

constexpr int START_BANNER_FIRST = 0;
constexpr int START_BANNER_LAST = 10;
constexpr int PRESS_ENTER_MESSAGE = 14;
constexpr int FIRST_INFORMATION_MESSAGE = 15;
constexpr int ABOUT_FIRST = 18;
constexpr int ABOUT_LAST = 24;
constexpr int KEY_TEST_MESSAGE = 25;

constexpr int CURSOR_KEY = 224;
constexpr int FUNCTION_KEY = 0;

} // namespace

CommandDispatcher::CommandDispatcher(Console& console, TextTables& tables, Pages& pages, int* language,
                                     int argc, char** argv)
    : console(console), tables(tables), pages(pages), language(language), argc(argc), argv(argv) {}

int CommandDispatcher::ParseCommand(const char* line) const {
    if (std::strlen(line) == 1) {
        int code = tables.FindHotkey(line[0]);
        if (code > 0) {
            return code;
        }
    }
    int number = LeadingInteger(line);
    if (number > 0) {
        return number;
    }
    if (std::strcmp(line, "exit") == 0) {
        return EXIT_CODE;
    }
    if (std::strcmp(line, "menu") == 0) {
        return MENU_CODE;
    }
    return 0;
}

bool CommandDispatcher::DispatchCommand(int code) {
    switch (code) {
    case 1:
    case 2:
    case 3:
        ShowInformationPage(FIRST_INFORMATION_MESSAGE + code - 1);
        return true;
    case LANGUAGE_CHOICE_CODE:
        ChooseLanguage();
        return true;
    case KEY_TEST_CODE:
        RunKeyTest();
        return true;
    // Either window comes back when it is closed, or at once when no display can show it.
    case UI_TEST_CODE:
        RunUiTestWindow(argc, argv);
        return true;
    case FONT_TEST_CODE:
        RunFontTest(argc, argv);
        return true;
    case ABOUT_CODE:
        ShowAboutPage();
        return true;
    case EXIT_CODE:
        return false;
    default:
        break;
    }
    if (code >= FIRST_LANGUAGE_CODE && code <= LAST_LANGUAGE_CODE) {
        SwitchLanguage(code - FIRST_LANGUAGE_CODE);
    } else if (code >= START_PAGE && code <= LAST_PAGE) {
        currentPage = code;
    } else {
        ReportUnknownCommand();
    }
    return true;
}

void CommandDispatcher::ShowStartScreen() {
    console.PrintBlankLines(7);
    for (int message = START_BANNER_FIRST; message <= START_BANNER_LAST; ++message) {
        pages.PrintMessage(message);
    }
    console.PrintBlankLines(7);
    if (!console.WaitForEnter()) {
        return;
    }
    console.PrintBlankLines(7);
    for (int message = ABOUT_FIRST; message <= ABOUT_LAST; ++message) {
        pages.PrintMessage(message);
    }
    console.PrintBlankLines(7 + 3);
    pages.PrintMessage(PRESS_ENTER_MESSAGE);
    console.WaitForEnter();
}

// A command may return because of a stop signal without reading the console (a test window
// returns on one), so the loop looks at the signal as well as at the input.
void CommandDispatcher::RunMenuLoop() {
    currentPage = START_PAGE;
    while (!console.InputEnded() && StopSignalNumber() == 0) {
        pages.ShowMenuPage(currentPage);
        if (!ReadInputLine() || !DispatchCommand(ParseCommand(inputLine))) {
            break;
        }
    }
}

bool CommandDispatcher::ReadInputLine() {
    return console.ReadLine(inputLine, INPUT_SIZE);
}

void CommandDispatcher::ShowInformationPage(int message) {
    pages.PrintHeader();
    console.PrintBlankLines(5);
    pages.PrintMessage(message);
    console.PrintBlankLines(14);
    pages.PrintMessage(PRESS_ENTER_MESSAGE);
    console.PrintPrompt();
    console.WaitForEnter();
}

void CommandDispatcher::ShowAboutPage() {
    pages.PrintHeader();
    for (int message = ABOUT_FIRST; message <= ABOUT_LAST; ++message) {
        pages.PrintMessage(message);
    }
    console.PrintBlankLines(13);
    pages.PrintMessage(PRESS_ENTER_MESSAGE);
    console.PrintPrompt();
    console.WaitForEnter();
}

// Whatever is typed on the language page is dispatched as an ordinary command; asking for the
// language page again shows it again rather than nesting one page inside the other.
void CommandDispatcher::ChooseLanguage() {
    int code;
    do {
        pages.ShowLanguagePage();
        if (!ReadInputLine()) {
            return;
        }
        code = ParseCommand(inputLine);
    } while (code == LANGUAGE_CHOICE_CODE);
    DispatchCommand(code);
}

// Only a filled row of the language table can be chosen; any other row has no file names to
// load and is refused as an unknown command.
void CommandDispatcher::SwitchLanguage(int row) {
    if (!tables.IsLanguageRow(row)) {
        ReportUnknownCommand();
        return;
    }
    if (row == *language) {
        return;
    }
    *language = row;
    tables.LoadItemTextTable(row);
    tables.LoadMessageTable(row);
}

void CommandDispatcher::RunKeyTest() {
    console.PrintBlankLines(25);
    pages.PrintHeader();
    pages.PrintMessage(KEY_TEST_MESSAGE);
    console.PrintPrompt();
    EchoKeys();
    console.PrintBlankLines(1);
    pages.PrintMessage(PRESS_ENTER_MESSAGE);
    console.PrintPrompt();
}

// Prints the codes of each key pressed, one key a line, until Y (or y) or the end of input.
void CommandDispatcher::EchoKeys() {
    if (console.InputEnded()) {
        return;
    }
    KeyReader keys(console);
    for (;;) {
        console.Flush();
        int first = keys.ReadKey();
        int second = first == FUNCTION_KEY || first == CURSOR_KEY ? keys.ReadKey() : 0;
        if (first == -1 || second == -1) {
            return;
        }
        if (first == FUNCTION_KEY || first == CURSOR_KEY) {
            console.Print("%c %d %c %d\n", first, first, second, second);
        } else {
            console.Print("%c %d\n", first, first);
        }
        if (std::toupper(first) == 'Y') {
            return;
        }
    }
}

void CommandDispatcher::ReportUnknownCommand() {
    console.Print("Unknown command:%s. Press [Enter] to continue\n", inputLine);
    console.WaitForEnter();
}
