// The fourteen named colours all widget drawing takes its colours from. The UI context holds
// two tables: the one the UI file fills and the working set that every widget refreshes from
// it, faded and highlighted for itself, just before it draws. Indices are 0..13; callers
// guarantee them.
#pragma once

#include <vanui/uiColor.h>
#include <vanui/uiStyle.h>

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

    // Fills the table with the default colours.
    uiColorTable();

    // The entry's name as the UI file's colour table spells it ("None", "Base", ...), or null
    // outside 0..13.
    static const char* EntryName(int index);

    uiColor GetEntry(int index) const;
    // Refuses (false, entry kept) a colour whose four components sum to exactly 0.
    bool SetEntry(int index, const uiColor& color);

    // Copies source into workingSet, multiplies every alpha by factor when factor < 1, and
    // doubles Base when the style is highlighted. True when the style's Aspect is in 1..7.
    static bool RefreshWorkingSet(uiColorTable& workingSet, const uiStyle& style, const uiColorTable& source,
                                  float factor);

private:
    uiColor entries[ENTRY_COUNT];
};
