// Integer edges from real placements: truncation toward zero with saturation at the 32-bit range
// and 0 for a value that is not a number, so no placement read from a file can make the
// conversion undefined.
#pragma once

#include <vanui/uiRect.h>

#include <cmath>
#include <cstdint>

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
