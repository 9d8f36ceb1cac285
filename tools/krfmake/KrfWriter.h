// KrfWriter writes a glyph-sheet font file: a 256-byte header, one 8-byte
// entry per glyph cell and the sheet as 8-bit coverage, top row first. Every
// number is an unsigned 16-bit little-endian value.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct KrfEntry {
    std::uint16_t code = 0;
    std::uint16_t x = 0;     // column of the cell's left edge, from 1
    std::uint16_t y = 0;     // row of the cell's top edge, from 1
    std::uint16_t width = 0; // cell width, which is also the glyph's advance
};

struct KrfFont {
    std::string name;      // at most KRF_MAX_NAME_LENGTH characters of printable ASCII
    std::uint8_t size = 0; // pixel size, shown in the font's display name
    std::uint16_t sheetWidth = 0;
    std::uint16_t sheetHeight = 0;
    std::uint16_t lineHeight = 0;
    std::uint16_t nominalWidth = 0;
    std::vector<KrfEntry> entries;          // at most KRF_MAX_ENTRIES
    std::unique_ptr<unsigned char[]> sheet; // sheetWidth x sheetHeight bytes
};

// The name field is 50 bytes and ends with a NUL; the entry count is 16 bits.
constexpr std::size_t KRF_MAX_NAME_LENGTH = 49;
constexpr std::size_t KRF_MAX_ENTRIES = 65535;

// Writes the font to path. On failure returns false with a message in error
// and leaves no partial file behind.
bool WriteKrfFile(const std::string& path, const KrfFont& font, std::string& error);
