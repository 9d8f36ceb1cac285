#include "Utf8.h"

#include <cstdio>

namespace {

constexpr std::uint32_t LAST_CODE = 0x10FFFF;

bool IsSurrogate(std::uint32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

std::string Hex(unsigned char byte) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

Utf8Step Invalid(std::size_t length, const std::string& problem) {
    Utf8Step step;
    step.length = length;
    step.problem = problem;
    return step;
}

} // namespace

Utf8Step DecodeUtf8(const std::string& text, std::size_t position) {
    const unsigned char lead = static_cast<unsigned char>(text[position]);
    if (lead < 0x80) {
        return {true, lead, 1, ""};
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else if (lead >= 0x80 && lead <= 0xBF) {
        return Invalid(1, "byte " + Hex(lead) + " continues a character that has not begun");
    } else {
        return Invalid(1, "byte " + Hex(lead) + " begins no character");
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (position + i >= text.size()) {
            return Invalid(i, "the character that byte " + Hex(lead) + " begins is cut short by the end");
        }
        const unsigned char next = static_cast<unsigned char>(text[position + i]);
        if ((next & 0xC0) != 0x80) {
            return Invalid(i, "the character that byte " + Hex(lead) + " begins is cut short by byte " +
                                  Hex(next));
        }
        code = (code << 6) | (next & 0x3F);
    }
    static const std::uint32_t SMALLEST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < SMALLEST[length]) {
        return Invalid(length, "an overlong form of " + CodeName(code));
    }
    if (IsSurrogate(code)) {
        return Invalid(length, CodeName(code) + " is a surrogate, not a character");
    }
    if (code > LAST_CODE) {
        return Invalid(length, "a code above U+10FFFF");
    }
    return {true, code, length, ""};
}

std::string EncodeUtf8(std::uint32_t code) {
    std::string bytes;
    if (code < 0x80) {
        bytes += static_cast<char>(code);
    } else if (code < 0x800) {
        bytes += static_cast<char>(0xC0 | (code >> 6));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        bytes += static_cast<char>(0xE0 | (code >> 12));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (code >> 18));
        bytes += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (code & 0x3F));
    }
    return bytes;
}

std::string CodeName(std::uint32_t code) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(code));
    return text;
}
