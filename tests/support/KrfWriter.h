// Builds KORU font files (.krf) for tests: the 256-byte header, the character table and the
// image, written whole or cut after a given number of bytes. Unlike krfmake's writer it
// writes fields as given, magic and entry count included, so a test can describe a broken
// file as easily as a sound one; the layout itself is the toolkit's (uiFontFileLayout.h).
#pragma once

#include "uiFontFileLayout.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct KrfFont {
    // Its first five bytes, or fewer followed by NULs.
    std::string magic = "KORFN";
    // Cut to the 50-byte field; a name of 50 bytes or more leaves the field without a NUL.
    std::string name = "Sans";
    uint8_t size = 12;
    uint16_t width = 256;
    uint16_t height = 128;
    uint16_t lineHeight = 16;
    uint16_t nominalWidth = 10;
    // The count written in the header; negative means entries.size().
    int count = -1;
    std::vector<uiFontFileEntry> entries;
    // Written as is after the table: normally width x height bytes.
    std::vector<unsigned char> image;
};

// size bytes of a recognisable pattern (byte i is i * 7 + 3, modulo 256).
std::vector<unsigned char> KrfPattern(size_t size);

// A 64 x 32 sheet, line height 16, with an 8-pixel glyph in one shared cell for every code
// 0 to 255: every text draws as glyph quads, never as missing-glyph boxes.
KrfFont KrfEveryCodeFont();

std::string KrfBytes(const KrfFont& font);
// Writes the first length bytes of the file (all of it by default).
void WriteKrf(const std::string& path, const KrfFont& font, size_t length = SIZE_MAX);
