// Places in a text as a language server's client counts them, and back: a line and a column.
// Lines end at a line feed, a carriage return and line feed, or a carriage return alone; columns
// count UTF-16 code units (a character above U+FFFF takes two), or bytes when the client and the
// server agreed on UTF-8. A column past the end of its line means the line's end, a line past
// the last one the end of the text.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

struct TextPosition {
    int line = 0;
    int character = 0;
};

class TextPositions {
public:
    // The text is borrowed and must outlive the object.
    TextPositions(std::string_view text, bool utf8Columns);

    TextPosition At(size_t offset) const;
    size_t Offset(const TextPosition& position) const;
    // Where the line that the Tokenizer calls `line` starts: it counts line feeds only.
    size_t TokenizerLineStart(int line) const;
    // The end of the text's content on the line that holds the offset, blanks left out.
    size_t LineContentEnd(size_t offset) const;

private:
    // Where the line holding the offset starts, and its number.
    size_t LineOf(size_t offset) const;

    std::string_view text;
    bool utf8Columns;
    std::vector<size_t> lineStarts;
};
