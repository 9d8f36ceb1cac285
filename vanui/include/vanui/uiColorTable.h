// The fourteen named colours all widget drawing takes its colours from, as a UI file's
// uiColorTable section gives them (or the defaults). Entries are indexed 0..13 (uiColorIndex);
// an index outside the table is refused with one message to the sink the table was given (a
// context gives its own; without one, standard error).
#pragma once

#include <vanui/uiColor.h>
#include <vanui/uiMessage.h>

enum uiColorIndex {
    UICOLOR_NONE = 0,
    UICOLOR_BASE = 1,
    UICOLOR_DARK = 2,
    UICOLOR_LIGHT = 3,
    UICOLOR_HIGHLIGHT = 4,
    UICOLOR_BARBASE = 5,
    UICOLOR_BARDARK = 6,
    UICOLOR_BARLIGHT = 7,
    UICOLOR_TITLE = 8,
    UICOLOR_TEXT = 9,
    UICOLOR_CAPTION = 10,
    UICOLOR_CONTOUR = 11,
    UICOLOR_BORDER = 12,
    UICOLOR_ACTBORDER = 13,
};

class uiColorTable {
public:
    static constexpr int ENTRY_COUNT = 14;

    // Fills the table with the default colours. messages is borrowed.
    explicit uiColorTable(const uiMessageSink* messages = nullptr);

    // The entry's name as the UI file's colour table spells it ("None", "Base", ...), or null
    // outside 0..13.
    static const char* EntryName(int index);

    // The entry's colour; all zero for an index outside the table. Inline: every widget's
    // colours are read from the table every frame.
    uiColor GetEntry(int index) const {
        return index >= 0 && index < ENTRY_COUNT ? entries[index] : Refuse(index, "GetEntry");
    }
    // Refuses (false, entry kept) an index outside the table and a colour whose four components
    // sum to exactly 0.
    bool SetEntry(int index, const uiColor& color);

private:
    // The message of an index outside the table; an all-zero colour.
    uiColor Refuse(int index, const char* call) const;

    uiColor entries[ENTRY_COUNT];
    const uiMessageSink* messages = nullptr;
};
