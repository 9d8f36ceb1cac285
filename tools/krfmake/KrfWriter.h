// KrfWriter writes the font krfmake has made as a KORU font file, in the layout the toolkit
// reads (uiFontFileLayout.h): the header, one entry per glyph cell and the sheet.
#pragma once

#include "uiFontFileLayout.h"

#include <memory>
#include <string>
#include <vector>

struct BuiltFont {
    // Its name is at most uiFontFileLayout::MAX_NAME_LENGTH characters of printable ASCII;
    // the glyph count is written from the entries.
    uiFontFileHeader header;
    std::vector<uiFontFileEntry> entries;   // at most uiFontFileLayout::MAX_ENTRIES
    std::unique_ptr<unsigned char[]> sheet; // sheetWidth x sheetHeight bytes
};

// Writes the font to path whole or not at all. On failure returns false with a message in error;
// an earlier file at path is then left as it was.
bool WriteKrfFile(const std::string& path, const BuiltFont& font, std::string& error);
