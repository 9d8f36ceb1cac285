// The character codes a text stands for. Captions, value texts and every other text the
// toolkit draws or measures are byte strings in one of two forms:
//   - UTF-8, when the bytes are valid UTF-8 and hold at least one byte above 127;
//   - Latin-1 otherwise, each byte one code 0..255, as before UTF-8 was read at all.
// Valid means strict UTF-8: an overlong form, a surrogate, a code above U+10FFFF or a sequence
// cut short anywhere makes the whole text Latin-1. So every file that was not written as UTF-8
// keeps drawing as it always did, and pure ASCII reads the same either way.
//
// Codes above U+FFFF come out as they are; a font holds 16-bit codes and draws them as
// missing-glyph boxes. The unit uses neither GL nor the log. A walk (uiTextCodes) borrows its
// text, which must outlive it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

namespace vanui {

bool IsUtf8Text(std::string_view text);

// The codes of a text in order: for (uint32_t code : uiTextCodes(text)) { ... }
class uiTextCodes {
public:
    class Iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = uint32_t;
        using difference_type = std::ptrdiff_t;
        using pointer = const uint32_t*;
        using reference = uint32_t;

        uint32_t operator*() const { return code; }
        // Inline for the bytes that are their own code, the common case of every frame's texts.
        Iterator& operator++() {
            position += length;
            if (position < text.size()) {
                const unsigned char byte = static_cast<unsigned char>(text[position]);
                if (byte < 0x80 || !utf8) {
                    code = byte;
                    length = 1;
                } else {
                    ReadSequence();
                }
            }
            return *this;
        }
        bool operator!=(const Iterator& other) const { return position != other.position; }

    private:
        friend class uiTextCodes;
        Iterator(std::string_view text, size_t position, bool utf8);
        void Read();
        void ReadSequence();

        std::string_view text;
        size_t position;
        bool utf8;
        size_t length = 0;
        uint32_t code = 0;
    };

    explicit uiTextCodes(std::string_view text);

    bool IsUtf8() const { return utf8; }
    // The text's length in bytes: at least as many as its codes.
    size_t ByteCount() const { return text.size(); }
    Iterator begin() const { return Iterator(text, 0, utf8); }
    Iterator end() const { return Iterator(text, text.size(), utf8); }

private:
    std::string_view text;
    bool utf8;
};

// How many codes a text stands for: its characters in UTF-8, its bytes in Latin-1.
size_t CountCharacters(std::string_view text);

// Typing into a text keeps the characters it shows and adds one at the end. A character typed
// into a UTF-8 text is added as its UTF-8 form; into any other text (pure ASCII included) a code
// up to 255 is added as its Latin-1 byte, the way typed text was always stored, and a larger one
// turns the whole text into UTF-8 first. Should the bytes of a Latin-1 text happen to form valid
// UTF-8 ("Ã" then "©" are the bytes of "é"), the whole text is rewritten as UTF-8, so it still
// shows what was typed. Surrogates and codes above U+10FFFF are no characters and change nothing.
void AppendTypedCharacter(std::string& text, uint32_t code);

// Removes the last character: a whole UTF-8 sequence, or one Latin-1 byte (with the same
// rewriting should the bytes left form valid UTF-8). An empty text stays empty.
void RemoveLastCharacter(std::string& text);

} // namespace vanui
