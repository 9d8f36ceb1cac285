// krfmake --info: shows a font file's header fields and glyph table and checks the file with
// the toolkit's own reader, so an author sees what the toolkit will see. What the reader
// refuses ends the check with the reader's message; what it takes but an author should know
// (a name without its NUL, cells outside the sheet, codes listed twice, bytes after the
// sheet) is warned about.
#pragma once

#include <cstdint>
#include <string>

// Prints to standard output, messages and warnings to standard error; writes a preview of a
// whole file when previewPath is not empty. Returns the exit status: 0, EXIT_DEFECT when the
// reader refuses the file, EXIT_USAGE when it or the preview can't be read or written.
int ShowFontInfo(const std::string& path, const std::string& previewPath);

// A character as a table shows it: the character itself in UTF-8 between quotes, or a
// readable stand-in for one that would not show or would upset a terminal (control codes in
// caret notation, "<surrogate>" and the like); a combining mark sits on a dotted circle.
std::string ShowCharacter(std::uint32_t code);
