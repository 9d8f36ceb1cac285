#include <vanui/uiColorTable.h>

namespace {

const char* const ENTRY_NAMES[uiColorTable::ENTRY_COUNT] = {
    "None",     "Base",  "Dark", "Light",   "Highlight", "BarBase", "BarDark",
    "BarLight", "Title", "Text", "Caption", "Contour",   "Border",  "ActBorder",
};

const float DEFAULT_COLORS[uiColorTable::ENTRY_COUNT][4] = {
    {0.0f, 0.0f, 0.0f, 0.0f}, {0.7f, 0.7f, 0.5f, 0.8f}, {0.4f, 0.5f, 0.6f, 0.8f}, {0.7f, 0.1f, 0.7f, 0.8f},
    {1.0f, 0.5f, 0.8f, 0.8f}, {0.0f, 0.6f, 0.6f, 0.8f}, {0.5f, 0.5f, 0.1f, 0.8f}, {0.4f, 0.4f, 0.6f, 0.8f},
    {0.7f, 0.7f, 0.7f, 0.8f}, {0.9f, 0.9f, 0.9f, 0.8f}, {0.5f, 0.5f, 0.5f, 0.8f}, {1.0f, 0.3f, 0.0f, 0.8f},
    {0.0f, 0.0f, 0.9f, 0.8f}, {0.1f, 0.1f, 0.1f, 0.8f},
};

const float HIGHLIGHT_FACTOR = 2.0f;
const int FIRST_ASPECT = 1;
const int LAST_ASPECT = 7;

} // namespace

uiColorTable::uiColorTable() {
    for (int i = 0; i < ENTRY_COUNT; ++i) {
        const float* value = DEFAULT_COLORS[i];
        entries[i].Set(value[0], value[1], value[2], value[3]);
    }
}

const char* uiColorTable::EntryName(int index) {
    return (index >= 0 && index < ENTRY_COUNT) ? ENTRY_NAMES[index] : nullptr;
}

uiColor uiColorTable::GetEntry(int index) const {
    return entries[index];
}

bool uiColorTable::SetEntry(int index, const uiColor& color) {
    if (color.r + color.g + color.b + color.a == 0.0f) {
        return false;
    }
    entries[index] = color;
    return true;
}

// Fading works on the freshly copied alphas, so it never accumulates from frame to frame.
bool uiColorTable::RefreshWorkingSet(uiColorTable& workingSet, const uiStyle& style,
                                     const uiColorTable& source, float factor) {
    workingSet = source;
    if (factor < 1.0f) {
        for (uiColor& entry : workingSet.entries) {
            entry.a *= factor;
        }
    }
    if (style.highlight) {
        workingSet.entries[UICOLOR_BASE] *= HIGHLIGHT_FACTOR;
    }
    return style.Aspect >= FIRST_ASPECT && style.Aspect <= LAST_ASPECT;
}
