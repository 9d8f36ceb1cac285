#include "ConsoleChecks.h"

#include "Configuration.h"
#include "Console.h"
#include "ConsoleCapture.h"
#include "Pages.h"
#include "TextTables.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const TABLE_FILES[] = {"Menu.txt", "Languages.txt", "items.txt", "messages.txt"};

// Line ends printed since the last call.
long TakeLineEnds(ConsoleCapture& console) {
    const std::string printed = console.Output();
    return std::count(printed.begin(), printed.end(), '\n');
}

void WriteFile(const char* name, const char* bytes, std::size_t count) {
    std::FILE* file = std::fopen(name, "wb");
    if (file == nullptr) {
        std::abort();
    }
    std::fwrite(bytes, 1, count, file);
    std::fclose(file);
}

void WriteTableFiles(const std::uint8_t* data, std::size_t size) {
    const char* bytes = reinterpret_cast<const char*>(data);
    std::size_t start = 0;
    for (const char* name : TABLE_FILES) {
        std::remove(name);
        if (start > size) {
            continue;
        }
        const char* separator =
            static_cast<const char*>(std::memchr(bytes + start, CONSOLE_FILE_SEPARATOR, size - start));
        std::size_t end = separator != nullptr ? static_cast<std::size_t>(separator - bytes) : size;
        WriteFile(name, bytes + start, end - start);
        start = end + 1;
    }
}

bool IsTerminated(const char* text, std::size_t size) {
    return std::memchr(text, '\0', size) != nullptr;
}

std::string CheckLoadedTables(const TextTables& tables) {
    for (int row = 0; row < TextTables::LANGUAGES; ++row) {
        const LanguageEntry& entry = tables.Language(row);
        if (!IsTerminated(entry.name, sizeof entry.name) ||
            !IsTerminated(entry.itemFile, sizeof entry.itemFile) ||
            !IsTerminated(entry.messageFile, sizeof entry.messageFile)) {
            return "a language entry holds an unterminated text";
        }
    }
    for (int number = -1; number <= TextTables::MESSAGES; ++number) {
        const char* message = tables.Message(number);
        if (message == nullptr || std::strlen(message) >= TextTables::MESSAGE_SIZE) {
            return "a message is missing or too long";
        }
    }
    for (int code = -2; code < 1000; ++code) {
        const char* text = tables.FindItemText(code);
        if (text != nullptr && std::strlen(text) >= sizeof ItemText{}.text) {
            return "an item text is too long";
        }
    }
    int count = tables.LanguageCount();
    if (count < 0 || count > TextTables::LANGUAGES) {
        return "language count outside the table";
    }
    return "";
}

int ItemCount(const TextTables& tables, int row) {
    int items = 0;
    while (items + 1 < TextTables::MENU_CODES && tables.MenuCode(row, items + 1) != -1) {
        ++items;
    }
    return items;
}

// A list page is 25 lines tall unless it lists more entries than fit (20 menu items, or more
// than 20 languages); the error page of an unknown menu code is 24 lines.
std::string CheckPages(TextTables& tables, ConsoleCapture& console) {
    Pages pages(console.Get(), tables);
    TakeLineEnds(console);
    for (int row = 0; row < TextTables::MENU_ROWS; ++row) {
        int pageCode = tables.MenuCode(row, 0);
        if (pageCode == -1) {
            break;
        }
        int found = tables.FindMenuRow(pageCode);
        if (found < 0 || found > row) {
            return "FindMenuRow misses a loaded page";
        }
        pages.ShowMenuPage(pageCode);
        int items = ItemCount(tables, found);
        if (TakeLineEnds(console) != std::max(25, 6 + items)) {
            return "a menu page has the wrong height";
        }
        for (int item = 1; item <= items; ++item) {
            const char* text = tables.FindItemText(tables.MenuCode(found, item));
            char hotkey = HotkeyOf(text);
            int code = tables.FindHotkey(hotkey);
            if (hotkey != 0 && code == -1) {
                return "a hotkey of the page shown last is not found";
            }
        }
    }
    pages.ShowMenuPage(-12345);
    if (TakeLineEnds(console) != 24) {
        return "the unknown page has the wrong height";
    }
    pages.ShowLanguagePage();
    int languages = std::max(1, tables.LanguageCount());
    if (TakeLineEnds(console) != std::max(25, 5 + languages)) {
        return "the language page has the wrong height";
    }
    return "";
}

// The text written for a setting and read back is the one read, unless it ends in a carriage
// return (which the reader takes for a line end). A value reads back as its fixed notation with
// six decimals says when that fits a line, and exactly otherwise.
std::string CheckRoundTrip(int language, const Configuration& first, const Configuration& second,
                           int secondLanguage) {
    if (secondLanguage != language) {
        return "Language does not survive writing and reading";
    }
    std::size_t textLength = std::strlen(first.Text());
    bool textKept = textLength == 0 || first.Text()[textLength - 1] != '\r';
    if (textKept && std::strcmp(first.Text(), second.Text()) != 0) {
        return "Text does not survive writing and reading";
    }
    char line[512];
    int length = std::snprintf(line, sizeof line, "Value %f", first.Value());
    bool fixed = std::isfinite(first.Value()) && length < 100;
    double expected = fixed ? std::strtod(line + 6, nullptr) : first.Value();
    if (second.Value() != expected) {
        return "Value does not survive writing and reading";
    }
    return "";
}

} // namespace

std::string CheckConsoleTables(const std::uint8_t* data, std::size_t size) {
    WriteTableFiles(data, size);
    ConsoleCapture console;
    TextTables tables(console.Get());
    tables.LoadLanguageTable(TABLE_FILES[1]);
    tables.LoadMenuTable(TABLE_FILES[0]);
    for (int language : {1, -1, TextTables::LANGUAGES, 0}) {
        tables.LoadItemTextTable(language);
        tables.LoadMessageTable(language);
    }
    std::string problem = CheckLoadedTables(tables);
    if (problem.empty()) {
        problem = CheckPages(tables, console);
    }
    for (const char* name : TABLE_FILES) {
        std::remove(name);
    }
    return problem;
}

std::string CheckConfiguration(const std::uint8_t* data, std::size_t size) {
    WriteFile("DREV.cfg", reinterpret_cast<const char*>(data), size);
    ConsoleCapture console;
    int language = 0;
    Configuration first(console.Get(), &language);
    first.ReadConfiguration("DREV.cfg");
    if (!IsTerminated(first.Text(), Configuration::TEXT_SIZE)) {
        return "Text is not terminated";
    }
    first.WriteConfiguration("DREV1.cfg");
    int secondLanguage = -7;
    Configuration second(console.Get(), &secondLanguage);
    second.ReadConfiguration("DREV1.cfg");
    std::string problem = CheckRoundTrip(language, first, second, secondLanguage);
    std::remove("DREV.cfg");
    std::remove("DREV1.cfg");
    return problem;
}
