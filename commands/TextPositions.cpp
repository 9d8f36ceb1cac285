#include "TextPositions.h"

#include <algorithm>

namespace {

// The bytes of the UTF-8 sequence a lead byte starts; 1 for any byte that starts none.
size_t SequenceLength(unsigned char lead) {
    if (lead >= 0xF0 && lead < 0xF8) {
        return 4;
    }
    if (lead >= 0xE0 && lead < 0xF0) {
        return 3;
    }
    if (lead >= 0xC0 && lead < 0xE0) {
        return 2;
    }
    return 1;
}

} // namespace

TextPositions::TextPositions(std::string_view text, bool utf8Columns) : text(text), utf8Columns(utf8Columns) {
    lineStarts.push_back(0);
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n'))) {
            lineStarts.push_back(at + 1);
        }
    }
}

size_t TextPositions::LineOf(size_t offset) const {
    return static_cast<size_t>(std::upper_bound(lineStarts.begin(), lineStarts.end(), offset) -
                               lineStarts.begin()) -
           1;
}

TextPosition TextPositions::At(size_t offset) const {
    offset = std::min(offset, text.size());
    const size_t line = LineOf(offset);
    TextPosition position;
    position.line = static_cast<int>(line);
    for (size_t at = lineStarts[line]; at < offset;) {
        const size_t length = utf8Columns ? 1 : SequenceLength(static_cast<unsigned char>(text[at]));
        position.character += length == 4 ? 2 : 1;
        at += length;
    }
    return position;
}

size_t TextPositions::Offset(const TextPosition& position) const {
    if (position.line < 0) {
        return 0;
    }
    if (static_cast<size_t>(position.line) >= lineStarts.size()) {
        return text.size();
    }
    const size_t line = static_cast<size_t>(position.line);
    size_t end = line + 1 < lineStarts.size() ? lineStarts[line + 1] : text.size();
    while (end > lineStarts[line] && (text[end - 1] == '\n' || text[end - 1] == '\r')) {
        --end;
    }
    size_t at = lineStarts[line];
    for (int units = 0; at < end && units < position.character;) {
        const size_t length = utf8Columns ? 1 : SequenceLength(static_cast<unsigned char>(text[at]));
        units += length == 4 ? 2 : 1;
        at = std::min(at + length, end);
    }
    return at;
}

size_t TextPositions::TokenizerLineStart(int line) const {
    size_t at = 0;
    for (int count = 1; count < line; ++count) {
        const size_t feed = text.find('\n', at);
        if (feed == std::string_view::npos) {
            break;
        }
        at = feed + 1;
    }
    return at;
}

size_t TextPositions::LineContentEnd(size_t offset) const {
    const size_t line = LineOf(std::min(offset, text.size()));
    size_t end = line + 1 < lineStarts.size() ? lineStarts[line + 1] : text.size();
    while (end > lineStarts[line] &&
           std::string_view(" \t\v\f\r\n").find(text[end - 1]) != std::string_view::npos) {
        --end;
    }
    return std::max(end, offset);
}
