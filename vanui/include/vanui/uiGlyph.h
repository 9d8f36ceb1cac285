// One glyph of a texture font: its advance in pixels at scale 1 and the edges of its cell on
// the glyph sheet as texture coordinates, computed once when the font is read.
#pragma once

struct uiGlyph {
    int width = 0;
    float texLeft = 0.0f;
    float texTop = 0.0f;
    float texRight = 0.0f;
    float texBottom = 0.0f;
};
