// Rectangles of the widget tree. uiRectF is a placement as the UI file gives it (left, top,
// width, height, relative to the parent); uiRectI holds the integer edges (left, top, right,
// bottom) that drawing and hit tests use, truncated toward zero from a placement (values beyond
// the 32-bit range saturate, and a value that is not a number gives 0).
#pragma once

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
