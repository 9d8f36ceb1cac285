// What one frame of the font test window shows, as a draw list: the four-colour background,
// the font's display name, its whole glyph sheet at (10, 50), eight sample lines that walk
// through scale, spacing, italic, underline and the white-to-light-red gradient, and five rows
// with the glyphs of the character codes 0 to 250. The font's style carries over between frames;
// every frame ends with the settings it started with, so every frame draws the same picture.
#pragma once

class uiDrawList;
class uiFont;

// The dark grey under every frame: red, green, blue.
inline constexpr float FONT_TEST_BACKGROUND[3] = {0.1f, 0.1f, 0.1f};

// Appends the frame to the list, which the caller then submits.
void DrawFontTestScene(uiDrawList& list, uiFont& font);
