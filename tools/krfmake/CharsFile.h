// Characters files for krfmake's --chars-file: UTF-8 text whose every character the font is
// to have, such as a page of the texts a program shows. Line ends (LF, CR) and byte-order
// marks are not characters. A font file holds 16-bit codes, so characters above U+FFFF are
// kept apart for the caller to report.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct CharsFileCodes {
    std::vector<std::uint16_t> codes;  // sorted, each once
    std::vector<std::uint32_t> beyond; // above U+FFFF: sorted, each once
    // The first lines that hold characters, at most MAX_CHARS_FILE_SAMPLES of them and
    // MAX_CHARS_FILE_SAMPLE_LENGTH characters each, for a preview to show the author's own text.
    std::vector<std::string> samples;
};

constexpr std::size_t MAX_CHARS_FILE_SAMPLES = 4;
constexpr std::size_t MAX_CHARS_FILE_SAMPLE_LENGTH = 100;

// Where the text stops being UTF-8: the first bytes that are no character.
struct CharsTextFault {
    std::size_t line = 0;   // from 1
    std::size_t offset = 0; // byte offset from 0 of the first byte of those bytes
    std::string problem;
};

enum class CharsFileRead { OK, CANNOT_READ, INVALID };

// Decodes the text of a characters file; false at the first bytes that are not UTF-8.
bool DecodeCharsText(const std::string& text, CharsFileCodes& result, CharsTextFault& fault);

// Reads and decodes the file at path. The error names the file; for invalid text it is a
// diagnostic "FILE:LINE: error: ..." with the byte offset. Files above MAX_CHARS_FILE_BYTES are
// not read: a characters file that large is a mistake, not a font's character set.
CharsFileRead ReadCharsFile(const std::string& path, CharsFileCodes& result, std::string& error);

constexpr std::uintmax_t MAX_CHARS_FILE_BYTES = 16 * 1024 * 1024;
