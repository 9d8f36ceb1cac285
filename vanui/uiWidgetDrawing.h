// Drawing of one widget into a frame's draw list. The style's Aspect selects a frame, Fill a
// shaded fill of the Base colour, Border a solid outline and Contour a dashed inner outline;
// every colour comes from the working colour set the caller has just refreshed for the widget.
// The same routine shrinks a widget about its centre (stretch) or cuts it from the right and
// bottom (roll) for the animations. Two text operations put a widget's caption above it and its
// value text inside it with a texture font.
//
// Coordinates are window pixels, y growing downwards. Gradients are per-vertex colours, which
// the backend draws with smooth shading (the GL's default).
#pragma once

#include "uiColorSet.h"
#include <vanui/uiColor.h>
#include <vanui/uiDrawList.h>
#include <vanui/uiRect.h>
#include <vanui/uiStyle.h>

#include <string>

class uiFont;

namespace vanui {

// The frame width the widget runtime draws every widget with.
inline constexpr float UI_BEVEL_WIDTH = 2.0f;

// Where a widget is drawn. outer: its edges after origin, stretch and roll; inner: the area the
// fill covers, the outer box less the frame of the Aspect; bevel and half: the frame width g and
// half of it, h, after their minimums (a positive g is at least 1, h is at least 1).
struct uiWidgetBoxes {
    uiRectI outer;
    uiRectI inner;
    float bevel = 0.0f;
    float half = 0.0f;
};

// rect is relative to the origin ox, oy. sx, sy shrink the box about its centre; rx, ry cut it
// from the right and bottom; 1 means neither. Edges are truncated toward zero.
uiWidgetBoxes ComputeWidgetBoxes(const uiRectF& rect, float ox, float oy, float sx, float sy, float rx,
                                 float ry, int aspect, float g);

// Frame, fill, border and contour, in that order, so the fill lies on top of the frame.
void DrawWidget(uiDrawList& list, const uiRectF& rect, float ox, float oy, float sx, float sy, float rx,
                float ry, const uiStyle& style, const uiColorSet& colours, float g);

inline void Draw(uiDrawList& list, const uiRectF& rect, float ox, float oy, const uiStyle& style,
                 const uiColorSet& colours) {
    DrawWidget(list, rect, ox, oy, 1.0f, 1.0f, 1.0f, 1.0f, style, colours, UI_BEVEL_WIDTH);
}

inline void DrawStretch(uiDrawList& list, const uiRectF& rect, float ox, float oy, float ex, float ey,
                        const uiStyle& style, const uiColorSet& colours) {
    DrawWidget(list, rect, ox, oy, ex, ey, 1.0f, 1.0f, style, colours, UI_BEVEL_WIDTH);
}

inline void DrawRoll(uiDrawList& list, const uiRectF& rect, float ox, float oy, float ex, float ey,
                     const uiStyle& style, const uiColorSet& colours) {
    DrawWidget(list, rect, ox, oy, 1.0f, 1.0f, ex, ey, style, colours, UI_BEVEL_WIDTH);
}

// The caption of a widget whose drawn edges are screenBox: an opaque black copy, then a copy in
// textColor one pixel to the left and one down, so the black shows as a shadow. captionAlign 1
// puts it left-aligned just above the widget, 2 centred above, 3 right-aligned above; any other
// code is taken as 1. A null font draws nothing.
//
// The font keeps the colours it is given, so both are held in storage of this unit that
// outlives the call; textColor itself may be a temporary.
void DrawCaptionText(uiDrawList& list, uiFont* font, const std::string& caption, const uiRectI& screenBox, int captionAlign,
                     const uiColor& textColor);

// The value text inside screenBox, in textColor. valueAlign picks a cell of a three-by-three
// grid in reading order: 1 top left, 2 top centre, 3 top right, 4 middle left, 5 centred,
// 6 middle right, 7 bottom left, 8 bottom centre, 9 bottom right; any other code is taken as 5.
// A null font draws nothing; the colour is kept as for the caption.
void DrawValueTextAligned(uiDrawList& list, uiFont* font, const std::string& text, const uiRectI& screenBox, int valueAlign,
                          const uiColor& textColor);

} // namespace vanui
