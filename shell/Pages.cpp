#include "Pages.h"

#include "Console.h"
#include "TextTables.h"

namespace {

constexpr int FIRST_HEADER_MESSAGE = 11;
constexpr int HEADER_MESSAGES = 3;

// The label of a code; a code without one shows an empty label.
const char* TextOf(const TextTables& tables, int code) {
    const char* text = tables.FindItemText(code);
    return text != nullptr ? text : "";
}

} // namespace

void Pages::PrintMessage(int number) {
    console.PrintLine(tables.Message(number));
}

int Pages::PrintHeader() {
    console.PrintBlankLines(1);
    for (int i = 0; i < HEADER_MESSAGES; ++i) {
        PrintMessage(FIRST_HEADER_MESSAGE + i);
    }
    return HEADER_MESSAGES;
}

// Lines: the header, the title and a blank line, one line per item, then blank lines up to the
// screen height (none when the page lists its full 20 items).
void Pages::ShowMenuPage(int pageCode) {
    int header = PrintHeader();
    int printed = 1;
    int row = tables.FindMenuRow(pageCode);
    tables.ResetHotkeys();
    if (row == -1) {
        console.PrintLine("Error in the menu index");
    } else {
        console.PrintLine(TextOf(tables, pageCode));
        console.PrintBlankLines(1);
        for (int index = 1; index < TextTables::MENU_CODES; ++index) {
            int code = tables.MenuCode(row, index);
            if (code == -1) {
                break;
            }
            const char* text = TextOf(tables, code);
            console.Print("%5d) %s\n", code, text);
            tables.AddHotkey(code, HotkeyOf(text));
            ++printed;
        }
    }
    console.PrintBlankLines(SCREEN_LINES - header - printed - 2);
    console.PrintPrompt();
}

void Pages::ShowLanguagePage() {
    int header = PrintHeader();
    tables.ResetHotkeys();
    console.PrintBlankLines(1);
    int count = tables.LanguageCount() > 0 ? tables.LanguageCount() : 1;
    for (int row = 0; row < count; ++row) {
        const LanguageEntry& language = tables.Language(row);
        console.Print("%5d) %s\n", language.number, language.name);
        tables.AddHotkey(language.number, HotkeyOf(language.name));
    }
    console.PrintBlankLines(SCREEN_LINES - header - count - 2);
    console.PrintPrompt();
}
