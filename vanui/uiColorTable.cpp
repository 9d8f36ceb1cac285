#include <vanui/uiColorTable.h>

#include "uiReport.h"

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

} // namespace

uiColorTable::uiColorTable(const uiMessageSink* sink) : messages(sink) {
    for (int i = 0; i < ENTRY_COUNT; ++i) {
        const float* value = DEFAULT_COLORS[i];
        entries[i].Set(value[0], value[1], value[2], value[3]);
    }
}

const char* uiColorTable::EntryName(int index) {
    return (index >= 0 && index < ENTRY_COUNT) ? ENTRY_NAMES[index] : nullptr;
}

uiColor uiColorTable::Refuse(int index, const char* call) const {
    vanui::Report(messages, uiSeverity::Error, "%s: colour table entry [%d] does not exist (0 to %d)", call, index,
                  ENTRY_COUNT - 1);
    return uiColor();
}

bool uiColorTable::SetEntry(int index, const uiColor& color) {
    if (index < 0 || index >= ENTRY_COUNT) {
        Refuse(index, "SetEntry");
        return false;
    }
    if (color.r + color.g + color.b + color.a == 0.0f) {
        return false;
    }
    entries[index] = color;
    return true;
}
