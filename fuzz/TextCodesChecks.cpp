#include "TextCodesChecks.h"

#include "Utf8.h"
#include "uiTextCodes.h"

#include <vector>

namespace {

using Codes = std::vector<std::uint32_t>;

// The codes the rule gives, worked out with krfmake's decoder: UTF-8 when every character
// decodes and one byte is above 127, else one code per byte.
Codes ExpectedCodes(const std::string& text, bool& utf8) {
    Codes decoded;
    bool valid = true;
    bool aboveAscii = false;
    for (std::size_t at = 0; at < text.size() && valid;) {
        const Utf8Step step = DecodeUtf8(text, at);
        valid = step.valid;
        aboveAscii = aboveAscii || step.code > 0x7F;
        decoded.push_back(step.code);
        at += step.length;
    }
    utf8 = valid && aboveAscii;
    if (utf8) {
        return decoded;
    }
    Codes bytes;
    for (const char byte : text) {
        bytes.push_back(static_cast<unsigned char>(byte));
    }
    return bytes;
}

std::string CheckText(const std::string& text, const Codes& expected, bool utf8) {
    if (vanui::IsUtf8Text(text) != utf8) {
        return utf8 ? "UTF-8 text taken for Latin-1" : "Latin-1 text taken for UTF-8";
    }
    const vanui::uiTextCodes walk(text);
    if (walk.IsUtf8() != utf8) {
        return "the walk reads another form than IsUtf8Text";
    }
    Codes walked;
    for (const std::uint32_t code : walk) {
        walked.push_back(code);
    }
    if (walked != expected) {
        return "the walk gives other codes";
    }
    if (vanui::CountCharacters(text) != expected.size()) {
        return "the count differs from the codes";
    }
    return "";
}

// Checks an edited text: its codes must be those the edit meant, whatever its form.
std::string CheckEdit(const std::string& edited, const Codes& meant, const char* edit) {
    bool utf8 = false;
    const Codes codes = ExpectedCodes(edited, utf8);
    if (codes != meant) {
        return std::string(edit) + " changed the characters the text shows";
    }
    const std::string problem = CheckText(edited, codes, utf8);
    return problem.empty() ? "" : std::string(edit) + ": " + problem;
}

} // namespace

std::string CheckTextCodes(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return "";
    }
    const unsigned char typed = data[0];
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    bool utf8 = false;
    const Codes codes = ExpectedCodes(text, utf8);
    std::string problem = CheckText(text, codes, utf8);
    if (!problem.empty()) {
        return problem;
    }

    std::string typedText = text;
    vanui::AppendTypedCharacter(typedText, typed);
    Codes withTyped = codes;
    withTyped.push_back(typed);
    problem = CheckEdit(typedText, withTyped, "typing");
    if (!problem.empty() || text.empty()) {
        return problem;
    }

    std::string shortened = text;
    vanui::RemoveLastCharacter(shortened);
    return CheckEdit(shortened, Codes(codes.begin(), codes.end() - 1), "Backspace");
}
