// The working colour set: the colours one widget draws with, refreshed from the context's colour
// table just before the widget draws, faded and highlighted for it. The toolkit's own; indices
// are the uiColorIndex constants.
#pragma once

#include <vanui/uiColorTable.h>
#include <vanui/uiStyle.h>

struct uiColorSet {
    uiColorSet() = default;
    explicit uiColorSet(const uiColorTable& table);

    const uiColor& GetEntry(int index) const { return entries[index]; }

    // Copies the table, multiplies every alpha by factor when factor < 1, and doubles Base when
    // the style is highlighted. True when the style's Aspect is in 1..7.
    bool Refresh(const uiColorTable& source, const uiStyle& style, float factor);

    uiColor entries[uiColorTable::ENTRY_COUNT];
};
