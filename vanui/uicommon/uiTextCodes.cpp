#include "uiTextCodes.h"

namespace vanui {

namespace {

constexpr uint32_t LAST_UNICODE_CODE = 0x10FFFF;

unsigned char ByteAt(std::string_view text, size_t position) {
    return static_cast<unsigned char>(text[position]);
}

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

bool IsSurrogate(uint32_t code) {
    return code >= 0xD800 && code <= 0xDFFF;
}

// The length of the strict UTF-8 sequence at text[position], with its code; 0 when the bytes
// there are no such sequence. Leads 0xC0, 0xC1 and 0xF5 and above only ever begin overlong
// forms or codes beyond U+10FFFF; the other overlong forms show as a code below the smallest
// one of their length.
size_t DecodeSequence(std::string_view text, size_t position, uint32_t& code) {
    const unsigned char lead = ByteAt(text, position);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    size_t length = 0;
    uint32_t value = 0;
    uint32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (length > text.size() - position) {
        return 0;
    }
    for (size_t i = 1; i < length; ++i) {
        const unsigned char next = ByteAt(text, position + i);
        if (!IsContinuation(next)) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < smallest || IsSurrogate(value) || value > LAST_UNICODE_CODE) {
        return 0;
    }
    code = value;
    return length;
}

// Any code up to U+10FFFF that is no surrogate, as its UTF-8 bytes.
void AppendUtf8(std::string& text, uint32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A Latin-1 text (or pure ASCII) as UTF-8, each byte its own code.
std::string Latin1AsUtf8(const std::string& latin1) {
    std::string utf8;
    utf8.reserve(latin1.size() * 2);
    for (const char byte : latin1) {
        AppendUtf8(utf8, static_cast<unsigned char>(byte));
    }
    return utf8;
}

// A Latin-1 text whose bytes an edit has made valid UTF-8 would be read as other characters;
// written as UTF-8 it shows the characters it showed.
void KeepLatin1Characters(std::string& edited) {
    if (!IsUtf8Text(edited)) {
        return;
    }
    edited = Latin1AsUtf8(edited);
}

} // namespace

bool IsUtf8Text(std::string_view text) {
    bool aboveAscii = false;
    size_t position = 0;
    while (position < text.size()) {
        if (ByteAt(text, position) < 0x80) {
            ++position;
            continue;
        }
        uint32_t code = 0;
        const size_t length = DecodeSequence(text, position, code);
        if (length == 0) {
            return false;
        }
        aboveAscii = true;
        position += length;
    }
    return aboveAscii;
}

// ==== Walking the codes ====

uiTextCodes::uiTextCodes(std::string_view text) : text(text), utf8(IsUtf8Text(text)) {}

uiTextCodes::Iterator::Iterator(std::string_view text, size_t position, bool utf8)
    : text(text), position(position), utf8(utf8) {
    Read();
}

// A Latin-1 byte is its code. The text of a UTF-8 walk was found valid as a whole, so its
// sequences decode; a byte that would not is taken alone all the same, so a walk always ends.
void uiTextCodes::Iterator::Read() {
    if (position < text.size()) {
        ReadSequence();
    }
}

void uiTextCodes::Iterator::ReadSequence() {
    length = utf8 ? DecodeSequence(text, position, code) : 0;
    if (length == 0) {
        code = ByteAt(text, position);
        length = 1;
    }
}

size_t CountCharacters(std::string_view text) {
    if (!IsUtf8Text(text)) {
        return text.size();
    }
    size_t count = 0;
    for (const char byte : text) {
        count += IsContinuation(static_cast<unsigned char>(byte)) ? 0 : 1;
    }
    return count;
}

// ==== Editing ====

void AppendTypedCharacter(std::string& text, uint32_t code) {
    if (IsSurrogate(code) || code > LAST_UNICODE_CODE) {
        return;
    }
    if (IsUtf8Text(text)) {
        AppendUtf8(text, code);
    } else if (code <= 0xFF) {
        text += static_cast<char>(code);
        KeepLatin1Characters(text);
    } else {
        text = Latin1AsUtf8(text);
        AppendUtf8(text, code);
    }
}

void RemoveLastCharacter(std::string& text) {
    if (text.empty()) {
        return;
    }
    if (IsUtf8Text(text)) {
        size_t last = text.size() - 1;
        while (last > 0 && IsContinuation(ByteAt(text, last))) {
            --last;
        }
        text.erase(last);
        return;
    }
    text.pop_back();
    KeepLatin1Characters(text);
}

} // namespace vanui
