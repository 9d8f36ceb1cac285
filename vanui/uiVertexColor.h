// A toolkit colour as a draw list's vertex colour, for the fonts and the widget drawing.
#pragma once

#include <vanui/uiColor.h>
#include <vanui/uiDrawList.h>

namespace vanui {

inline uiDrawColor ToDrawColor(const uiColor& color) {
    return uiDrawColor::FromReals(color.r, color.g, color.b, color.a);
}

} // namespace vanui
