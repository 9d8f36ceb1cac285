// Rectangles of the widget tree. uiRectF is a placement as the UI file gives it (left, top,
// width, height, relative to the parent); uiRectI holds the integer edges (left, top, right,
// bottom) that drawing and hit tests use. Edges come from a placement by truncation toward
// zero; values beyond the 32-bit range saturate and a value that is not a number gives 0, so
// no placement read from a file can make the conversion undefined.
#pragma once

#include <cmath>
#include <cstdint>

struct uiRectF {
    float Left = 0.0f;
    float Top = 0.0f;
    float Width = 0.0f;
    float Height = 0.0f;
};

struct uiRectI {
    int32_t x1 = 0;
    int32_t y1 = 0;
    int32_t x2 = 0;
    int32_t y2 = 0;
};

namespace vanui {

inline int32_t TruncateToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    if (value <= static_cast<double>(INT32_MIN)) {
        return INT32_MIN;
    }
    if (value >= static_cast<double>(INT32_MAX)) {
        return INT32_MAX;
    }
    return static_cast<int32_t>(value);
}

// The sums are taken in single precision, as the placement is stored.
inline uiRectI ToRectI(const uiRectF& rect) {
    return uiRectI{TruncateToInt(rect.Left), TruncateToInt(rect.Top), TruncateToInt(rect.Left + rect.Width),
                   TruncateToInt(rect.Top + rect.Height)};
}

} // namespace vanui
