#include "PackedColor.h"

namespace drev {

namespace {

// Clamps a real channel to 0..1 and scales it to a byte. A NaN counts as 0.
std::uint8_t ChannelByte(double channel) {
    if (!(channel > 0.0)) {
        return 0;
    }
    if (channel >= 1.0) {
        return 255;
    }
    return static_cast<std::uint8_t>(channel * 255.99);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The '#' forms: three digits, each doubled ('#1a9' is 11 aa 99), or six digits.
bool ParseHexColor(const std::string& digits, PackedColor& color) {
    if (digits.size() != 3 && digits.size() != 6) {
        return false;
    }
    unsigned v = 0;
    for (char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0) {
            return false;
        }
        v = v * 16 + static_cast<unsigned>(digit);
    }
    auto byte = [](unsigned channel) { return static_cast<std::uint8_t>(channel); };
    if (digits.size() == 3) {
        color = PackedColor(byte(v / 256 * 17), byte(v / 16 % 16 * 17), byte(v % 16 * 17));
    } else {
        color = PackedColor(byte(v / 65536 % 256), byte(v / 256 % 256), byte(v % 256));
    }
    return true;
}

struct NamedColor {
    const char* name;
    double red;
    double green;
    double blue;
};

const NamedColor NAMED_COLORS[] = {
    {"red", 1, 0, 0},     {"green", 0, 1, 0},  {"blue", 0, 0, 1},  {"cyan", 0, 1, 1},
    {"magenta", 1, 0, 1}, {"yellow", 1, 1, 0}, {"black", 0, 0, 0}, {"white", 1, 1, 1},
};

} // namespace

const PackedColor PackedColor::White(std::uint8_t{255}, std::uint8_t{255}, std::uint8_t{255});
const PackedColor PackedColor::Black;

PackedColor::PackedColor(double red, double green, double blue)
    : red(ChannelByte(red)), green(ChannelByte(green)), blue(ChannelByte(blue)) {}

PackedColor::PackedColor(double red, double green, double blue, double alpha)
    : red(ChannelByte(red)), green(ChannelByte(green)), blue(ChannelByte(blue)), alpha(ChannelByte(alpha)) {}

PackedColor::PackedColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
    : red(red), green(green), blue(blue) {}

PackedColor::PackedColor(const PackedColor& base, double alpha)
    : red(base.red), green(base.green), blue(base.blue), alpha(ChannelByte(alpha)) {}

bool operator==(const PackedColor& a, const PackedColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue && a.alpha == b.alpha;
}

bool operator!=(const PackedColor& a, const PackedColor& b) {
    return !(a == b);
}

bool ParseColor(const std::string& text, PackedColor& color) {
    if (!text.empty() && text[0] == '#') {
        return ParseHexColor(text.substr(1), color);
    }
    for (const NamedColor& named : NAMED_COLORS) {
        if (text == named.name) {
            color = PackedColor(named.red, named.green, named.blue);
            return true;
        }
    }
    return false;
}

} // namespace drev
