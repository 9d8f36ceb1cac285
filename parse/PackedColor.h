// A compact colour of four 8-bit channels, red, green, blue and alpha (255 is opaque), and its
// text form: '#' with three or six hexadecimal digits, or one of the names red, green, blue,
// cyan, magenta, yellow, black and white. Real channels are clamped to 0..1 and scaled to
// 0..255 by truncation, so 1.0 gives 255 and 0.5 gives 127. A plain value type; ParseColor
// and Hash::GetColor leave their output as it was when the text or the value has another form.
#pragma once

#include <cstdint>
#include <string>

namespace drev {

struct PackedColor {
    static const PackedColor White;
    static const PackedColor Black;

    // Opaque black.
    PackedColor() = default;
    PackedColor(double red, double green, double blue);
    PackedColor(double red, double green, double blue, double alpha);
    PackedColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
    // The colour of base with another alpha.
    PackedColor(const PackedColor& base, double alpha);

    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;
};

bool operator==(const PackedColor& a, const PackedColor& b);
bool operator!=(const PackedColor& a, const PackedColor& b);

// Reads a colour from its text form; false, with color unchanged, for any other text.
bool ParseColor(const std::string& text, PackedColor& color);

} // namespace drev
