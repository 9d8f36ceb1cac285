#include "TextTables.h"

#include "TableFileReader.h"
#include "TextFields.h"

#include <cctype>
#include <cstring>

namespace {

constexpr int MENU_FIELD_WIDTH = 4;
constexpr int NUMBER_WIDTH = 4;
constexpr int LANGUAGE_NAME_COLUMN = 4;
constexpr int LANGUAGE_NAME_WIDTH = 19;
constexpr int ITEM_FILE_COLUMN = 24;
constexpr int MESSAGE_FILE_COLUMN = 54;
constexpr int FILE_NAME_WIDTH = 30;
constexpr int ITEM_LENGTH_COLUMN = 4;
constexpr int ITEM_TEXT_COLUMN = 8;
constexpr int MESSAGE_COLUMN = 4;

// The text of a line from column on; empty when the line is shorter.
const char* Column(const TableFileReader& reader, int column) {
    return reader.Line() + (column < reader.Length() ? column : reader.Length());
}

// A fixed-width column of the line, trimmed of blanks, stored in a field of size bytes.
template <int size>
void StoreTrimmedColumn(char (&field)[size], const TableFileReader& reader, int column, int width) {
    char text[TableFileReader::LINE_SIZE];
    CopyField(text, sizeof text, Column(reader, column), width);
    TrimSpaces(text);
    CopyField(field, size, text, size);
}

} // namespace

void TextTables::LoadMenuTable(const char* fileName) {
    TableFileReader reader(console, fileName);
    if (!reader.IsOpen()) {
        return;
    }
    for (auto& row : menu) {
        for (int& code : row) {
            code = -1;
        }
    }
    for (int row = 0; reader.NextLine(); ++row) {
        if (row >= MENU_ROWS) {
            continue;
        }
        int fields = (reader.Length() + MENU_FIELD_WIDTH - 1) / MENU_FIELD_WIDTH;
        for (int field = 0; field < fields && field < MENU_CODES; ++field) {
            menu[row][field] = FieldInteger(reader.Line() + field * MENU_FIELD_WIDTH, MENU_FIELD_WIDTH);
        }
    }
}

void TextTables::LoadLanguageTable(const char* fileName) {
    TableFileReader reader(console, fileName);
    if (!reader.IsOpen()) {
        return;
    }
    for (LanguageEntry& entry : languages) {
        entry = LanguageEntry{};
        entry.number = -1;
    }
    languageRows = 0;
    for (; reader.NextLine(); ++languageRows) {
        if (languageRows >= LANGUAGES) {
            continue;
        }
        LanguageEntry& entry = languages[languageRows];
        entry.number = FieldInteger(reader.Line(), NUMBER_WIDTH);
        StoreTrimmedColumn(entry.name, reader, LANGUAGE_NAME_COLUMN, LANGUAGE_NAME_WIDTH);
        StoreTrimmedColumn(entry.itemFile, reader, ITEM_FILE_COLUMN, FILE_NAME_WIDTH);
        StoreTrimmedColumn(entry.messageFile, reader, MESSAGE_FILE_COLUMN, FILE_NAME_WIDTH);
    }
}

void TextTables::LoadItemTextTable(int language) {
    TableFileReader reader(console,
                           language >= 0 && language < LANGUAGES ? languages[language].itemFile : "");
    if (!reader.IsOpen()) {
        return;
    }
    for (ItemText& entry : itemTexts) {
        entry = ItemText{};
        entry.code = -1;
    }
    int count = 0;
    while (reader.NextLine()) {
        if (reader.Length() <= ITEM_TEXT_COLUMN || count >= ITEM_TEXTS) {
            continue;
        }
        ItemText& entry = itemTexts[count++];
        entry.code = FieldInteger(reader.Line(), NUMBER_WIDTH);
        int maximum = FieldInteger(reader.Line() + ITEM_LENGTH_COLUMN, NUMBER_WIDTH);
        const char* comment = std::strchr(reader.Line(), '#');
        int end = comment != nullptr ? static_cast<int>(comment - reader.Line()) : reader.Length();
        int length = end - ITEM_TEXT_COLUMN;
        if (length > maximum) {
            length = maximum;
        }
        if (length > 0) {
            CopyField(entry.text, sizeof entry.text, reader.Line() + ITEM_TEXT_COLUMN, length);
        }
    }
}

void TextTables::LoadMessageTable(int language) {
    TableFileReader reader(console,
                           language >= 0 && language < LANGUAGES ? languages[language].messageFile : "");
    if (!reader.IsOpen()) {
        return;
    }
    std::memset(messages, 0, sizeof messages);
    for (int number = 0; reader.NextLine(); ++number) {
        if (number < MESSAGES) {
            CopyField(messages[number], MESSAGE_SIZE, Column(reader, MESSAGE_COLUMN), MESSAGE_SIZE);
        }
    }
}

int TextTables::FindMenuRow(int pageCode) const {
    for (int row = 0; row < MENU_ROWS && menu[row][0] != -1; ++row) {
        if (menu[row][0] == pageCode) {
            return row;
        }
    }
    return -1;
}

int TextTables::MenuCode(int row, int index) const {
    if (row < 0 || row >= MENU_ROWS || index < 0 || index >= MENU_CODES) {
        return -1;
    }
    return menu[row][index];
}

const char* TextTables::FindItemText(int code) const {
    for (const ItemText& entry : itemTexts) {
        if (entry.code == -1) {
            break;
        }
        if (entry.code == code) {
            return entry.text;
        }
    }
    return nullptr;
}

const char* TextTables::Message(int number) const {
    return number >= 0 && number < MESSAGES ? messages[number] : "";
}

int TextTables::LanguageCount() const {
    int count = 0;
    while (count < languageRows && count < LANGUAGES && languages[count].number != -1) {
        ++count;
    }
    return count;
}

void TextTables::ResetHotkeys() {
    for (HotkeyEntry& entry : hotkeys) {
        entry.code = -1;
        entry.hotkey = 0;
    }
    hotkeyCount = 0;
}

void TextTables::AddHotkey(int code, char hotkey) {
    if (hotkeyCount < HOTKEYS) {
        hotkeys[hotkeyCount++] = HotkeyEntry{code, hotkey};
    }
}

int TextTables::FindHotkey(char c) const {
    for (const HotkeyEntry& entry : hotkeys) {
        if (entry.code == -1) {
            break;
        }
        if (entry.hotkey == c) {
            return entry.code;
        }
    }
    return -1;
}

char HotkeyOf(const char* text) {
    const char* ampersand = text != nullptr ? std::strchr(text, '&') : nullptr;
    if (ampersand == nullptr) {
        return 0;
    }
    return static_cast<char>(std::tolower(static_cast<unsigned char>(ampersand[1])));
}
