// The shell's four text tables and the hotkey table, all fixed arrays that live for the run:
//   menu table      20 rows of 21 codes: a page code, then up to 20 item codes   ("Menu.txt")
//   language table  30 languages: number, name, item text file, message file     ("Languages.txt")
//   item text table 100 (code, text) pairs: page titles and item labels          (per language)
//   message table   100 numbered lines of the fixed screens                      (per language)
//   hotkey table    20 (code, hotkey) pairs of the list page shown last
// A code or number of -1 ends the filled part of a table. Loaders write only inside the
// capacities: lines, rows and fields beyond them are echoed but not stored. A loader whose file
// can't be opened leaves its table as it was (all zero before the first load).
#pragma once

class Console;

struct LanguageEntry {
    int number;
    char name[20];
    char itemFile[30];
    char messageFile[30];
};

struct ItemText {
    int code;
    char text[80];
};

struct HotkeyEntry {
    int code;
    char hotkey;
};

class TextTables {
public:
    static constexpr int MENU_ROWS = 20;
    static constexpr int MENU_CODES = 21;
    static constexpr int LANGUAGES = 30;
    static constexpr int ITEM_TEXTS = 100;
    static constexpr int MESSAGES = 100;
    static constexpr int MESSAGE_SIZE = 100;
    static constexpr int HOTKEYS = 20;

    explicit TextTables(Console& console) : console(console) {}

    void LoadMenuTable(const char* fileName = "Menu.txt");
    void LoadLanguageTable(const char* fileName = "Languages.txt");
    // The item text and message files named by the given row of the language table.
    void LoadItemTextTable(int language);
    void LoadMessageTable(int language);

    // The row whose page code is pageCode, or -1.
    int FindMenuRow(int pageCode) const;
    // Code index of a menu row (0 is the page code); -1 outside the table.
    int MenuCode(int row, int index) const;
    // The text stored under code, or null.
    const char* FindItemText(int code) const;
    // Message number, empty for one that wasn't loaded.
    const char* Message(int number) const;

    // The number of languages loaded, up to the first entry numbered -1.
    int LanguageCount() const;
    bool IsLanguageRow(int row) const { return row >= 0 && row < LanguageCount(); }
    // Entry row of the language table (0 <= row < LANGUAGES).
    const LanguageEntry& Language(int row) const { return languages[row]; }

    void ResetHotkeys();
    // Adds one entry; ignored once the table holds HOTKEYS entries.
    void AddHotkey(int code, char hotkey);
    // The code whose hotkey is exactly c, or -1.
    int FindHotkey(char c) const;

private:
    Console& console;
    int menu[MENU_ROWS][MENU_CODES] = {};
    LanguageEntry languages[LANGUAGES] = {};
    int languageRows = 0;
    ItemText itemTexts[ITEM_TEXTS] = {};
    char messages[MESSAGES][MESSAGE_SIZE] = {};
    HotkeyEntry hotkeys[HOTKEYS] = {};
    int hotkeyCount = 0;
};

// The character after the first '&' of text, in lower case; 0 when text has none (or is null).
char HotkeyOf(const char* text);
