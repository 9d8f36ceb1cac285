// UTF-8, strictly: the one form of each character (no overlong forms), no surrogates, nothing
// above U+10FFFF. krfmake reads characters files and its own sample text with it, and writes
// characters with it when it shows them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct Utf8Step {
    bool valid = false;
    std::uint32_t code = 0; // the character, when valid
    std::size_t length = 0; // bytes taken: the character's, or those that made it invalid
    std::string problem;    // why the bytes at the position are no character, when invalid
};

// Decodes the character that starts at text[position] (position < text.size()).
Utf8Step DecodeUtf8(const std::string& text, std::size_t position);

// The UTF-8 form of a code up to U+10FFFF that is not a surrogate.
std::string EncodeUtf8(std::uint32_t code);

// "U+0041", "U+1F600": the code as Unicode writes it, at least four hex digits.
std::string CodeName(std::uint32_t code);
