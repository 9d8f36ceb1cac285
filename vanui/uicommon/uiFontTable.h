// The toolkit's six font slots: 0 default only, 1 captions ("Label"), 2 value texts ("Text"),
// 3 "Title", 4 "Small", 5 "Mono". Construction loads "default.krf" into every slot; LoadItem
// then gives single slots fonts of their own. The table owns every font it loaded (the shared
// default once) for its whole life, so replacing a slot never frees or leaks a font; a font
// that failed to load is destroyed at once. Slot(i) is null when the slot holds no font.
#pragma once

#include "uiFont.h"

#include <memory>
#include <string>
#include <vector>

class uiFontTable {
public:
    static constexpr int SLOT_COUNT = 6;

    uiFontTable();
    uiFontTable(const uiFontTable&) = delete;
    uiFontTable& operator=(const uiFontTable&) = delete;

    bool CreateDefault();
    // The caller guarantees 0 <= slot < SLOT_COUNT.
    bool LoadItem(int slot, const std::string& fileName);

    uiFont* Slot(int slot) const { return slots[slot]; }

private:
    uiFont* LoadFont(const std::string& fileName);

    std::vector<std::unique_ptr<uiFont>> fonts;
    uiFont* slots[SLOT_COUNT] = {};
};
