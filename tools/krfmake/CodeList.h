// Character code lists for krfmake: the text of the --chars option, such as
// "32-126,160-255,0x20AC" or "U+0391-U+03C9", turned into sorted, unique codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The codes a font gets when no list is given: printable ASCII and the
// printable half of Latin-1. Control codes stay out so they draw as
// missing-glyph boxes.
extern const char* const DEFAULT_CODE_LIST;

// Parses a comma-separated list of codes and inclusive ranges "first-last",
// each number decimal, or hexadecimal after 0x or U+, from 0 to 65535. Returns
// false with a message in error when the text is not such a list.
bool ParseCodeList(const std::string& text, std::vector<std::uint16_t>& codes, std::string& error);
