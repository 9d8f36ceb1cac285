#include "uiFontTable.h"

#include "Log.h"

#include <new>

namespace {

const char* const DEFAULT_FONT_FILE = "default.krf";

} // namespace

uiFontTable::uiFontTable() {
    if (!CreateDefault()) {
        Log(LOG_TYPE_CRITICAL,
            "Unable to create the default font table. Probably the file [default.uif] is missing.");
    }
}

bool uiFontTable::CreateDefault() {
    uiFont* font = LoadFont(DEFAULT_FONT_FILE);
    if (font == nullptr) {
        return false;
    }
    for (uiFont*& slot : slots) {
        slot = font;
    }
    return true;
}

// The font that held the slot before stays owned by the table.
bool uiFontTable::LoadItem(int slot, const std::string& fileName) {
    uiFont* font = LoadFont(fileName);
    if (font == nullptr) {
        return false;
    }
    slots[slot] = font;
    Log(LOG_TYPE_RECORD, "Item [%d] of uiFonTable for [%s] loaded successfully.", slot, fileName.c_str());
    return true;
}

// A loaded font joins the fonts the table owns; one that failed (and logged why) is
// destroyed at once.
uiFont* uiFontTable::LoadFont(const std::string& fileName) {
    std::unique_ptr<uiFont> font(new (std::nothrow) uiFont(fileName));
    if (!font || !font->IsLoaded()) {
        return nullptr;
    }
    fonts.push_back(std::move(font));
    return fonts.back().get();
}
