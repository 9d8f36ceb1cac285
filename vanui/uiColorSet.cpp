#include "uiColorSet.h"

namespace {

const float HIGHLIGHT_FACTOR = 2.0f;

} // namespace

uiColorSet::uiColorSet(const uiColorTable& table) {
    for (int i = 0; i < uiColorTable::ENTRY_COUNT; ++i) {
        entries[i] = table.GetEntry(i);
    }
}

// Fading works on the freshly copied alphas, so it never accumulates from frame to frame.
bool uiColorSet::Refresh(const uiColorTable& source, const uiStyle& style, float factor) {
    *this = uiColorSet(source);
    if (factor < 1.0f) {
        for (uiColor& entry : entries) {
            entry.a *= factor;
        }
    }
    if (style.highlight) {
        entries[UICOLOR_BASE] *= HIGHLIGHT_FACTOR;
    }
    return style.Aspect >= UIASPECT_FLAT && style.Aspect <= UIASPECT_GROOVE;
}
