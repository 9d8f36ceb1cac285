// The picture of a font that --preview writes, for an author to judge the font by: the glyph
// sheet enlarged to about a thousand pixels on its longer side, each glyph cell white in a
// blue frame on the grey of the unused sheet, and below it the font's display name, the
// author's own sample lines, sample lines in the scripts the font holds (the first once more
// at twice the size) and every glyph in code order, all drawn with the font. Lines the font
// lacks too many characters of are left out. It draws from the sheet and the cells alone, so
// it serves a font just made and any font file read back.
#pragma once

#include "uiFontFileLayout.h"

#include <string>
#include <vector>

// Sheets and lines above these are not pictured: the picture would be too large to look at.
constexpr int MAX_PREVIEW_SHEET_SIDE = 4096;
constexpr int MAX_PREVIEW_LINE_HEIGHT = 512;

// sheet holds header.sheetWidth x header.sheetHeight bytes; ownSamples are lines of UTF-8 text
// shown first, whatever characters the font has. False with a message when the font is too
// large to picture or the file can't be written.
bool WritePreview(const std::string& path, const uiFontFileHeader& header,
                  const std::vector<uiFontFileEntry>& entries, const unsigned char* sheet,
                  const std::vector<std::string>& ownSamples, std::string& error);
