#include "CharsFileChecks.h"

#include "CharsFile.h"
#include "Utf8.h"

#include <algorithm>

namespace {

// The length of the well-formed sequence at text[at], or 0: the byte ranges of the Unicode
// standard's table of well-formed UTF-8 byte sequences.
std::size_t WellFormedLength(const std::string& text, std::size_t at) {
    struct Row {
        unsigned char lead[2];
        unsigned char second[2];
        std::size_t length;
    };
    static const Row ROWS[] = {
        {{0x00, 0x7F}, {0, 0}, 1},       {{0xC2, 0xDF}, {0x80, 0xBF}, 2}, {{0xE0, 0xE0}, {0xA0, 0xBF}, 3},
        {{0xE1, 0xEC}, {0x80, 0xBF}, 3}, {{0xED, 0xED}, {0x80, 0x9F}, 3}, {{0xEE, 0xEF}, {0x80, 0xBF}, 3},
        {{0xF0, 0xF0}, {0x90, 0xBF}, 4}, {{0xF1, 0xF3}, {0x80, 0xBF}, 4}, {{0xF4, 0xF4}, {0x80, 0x8F}, 4},
    };
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    for (const Row& row : ROWS) {
        if (byte(at) < row.lead[0] || byte(at) > row.lead[1]) {
            continue;
        }
        if (row.length == 1) {
            return 1;
        }
        if (at + row.length > text.size() || byte(at + 1) < row.second[0] || byte(at + 1) > row.second[1]) {
            return 0;
        }
        for (std::size_t i = 2; i < row.length; ++i) {
            if (byte(at + i) < 0x80 || byte(at + i) > 0xBF) {
                return 0;
            }
        }
        return row.length;
    }
    return 0;
}

// Where the validator finds the first bytes that are not UTF-8, or the text's size.
std::size_t FirstFault(const std::string& text) {
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t length = WellFormedLength(text, at);
        if (length == 0) {
            return at;
        }
        at += length;
    }
    return at;
}

template <typename T> bool StrictlyAscending(const std::vector<T>& values) {
    return std::adjacent_find(values.begin(), values.end(), [](T a, T b) { return a >= b; }) == values.end();
}

std::string CheckDecoded(const std::string& text, const CharsFileCodes& result) {
    if (!StrictlyAscending(result.codes) || !StrictlyAscending(result.beyond)) {
        return "codes not sorted or listed twice";
    }
    for (const std::uint16_t code : result.codes) {
        if (code == '\n' || code == '\r' || code == 0xFEFF) {
            return "a line end or byte-order mark taken for a character";
        }
        if (code >= 0xD800 && code <= 0xDFFF) {
            return "a surrogate taken for a character";
        }
        if (text.find(EncodeUtf8(code)) == std::string::npos) {
            return "code " + CodeName(code) + " is not in the text";
        }
    }
    for (const std::uint32_t code : result.beyond) {
        if (code <= 0xFFFF || code > 0x10FFFF || text.find(EncodeUtf8(code)) == std::string::npos) {
            return "code " + CodeName(code) + " set apart wrongly";
        }
    }
    if (result.samples.size() > MAX_CHARS_FILE_SAMPLES) {
        return "too many samples";
    }
    // Samples are pieces of lines without their CRs and byte-order marks.
    std::string lines;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.compare(at, 3, "\xEF\xBB\xBF") == 0) {
            at += 2;
        } else if (text[at] != '\r') {
            lines += text[at];
        }
    }
    for (const std::string& sample : result.samples) {
        if (sample.empty() || FirstFault(sample) != sample.size() ||
            lines.find(sample) == std::string::npos || sample.find('\n') != std::string::npos) {
            return "a sample that is not a piece of one line of the text";
        }
    }
    return "";
}

} // namespace

std::string CheckCharsText(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::size_t fault = FirstFault(text);
    CharsFileCodes result;
    CharsTextFault found;
    const bool decoded = DecodeCharsText(text, result, found);
    if (decoded != (fault == text.size())) {
        return decoded ? "text with a fault at byte " + std::to_string(fault) + " decoded"
                       : "valid text refused at byte " + std::to_string(found.offset) + ": " + found.problem;
    }
    if (decoded) {
        return CheckDecoded(text, result);
    }
    if (found.offset != fault) {
        return "fault named at byte " + std::to_string(found.offset) + ", not " + std::to_string(fault);
    }
    if (found.line != 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + fault, '\n'))) {
        return "fault named on the wrong line";
    }
    return found.problem.empty() ? "fault without a reason" : "";
}
