// How the toolkit reads a text: strict UTF-8 when it is valid and holds a byte above 127,
// otherwise Latin-1 bytes, at every edge of the UTF-8 sequences; the count of characters; and
// the stored fuzz inputs, which check the walk and typing against krfmake's own decoder.
#include "uiTextCodes.h"
#include "TextCodesChecks.h"

#include "FileText.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

using Codes = std::vector<uint32_t>;

Codes CodesOf(const std::string& text) {
    Codes codes;
    for (const uint32_t code : vanui::uiTextCodes(text)) {
        codes.push_back(code);
    }
    return codes;
}

Codes BytesOf(const std::string& text) {
    Codes bytes;
    for (const char byte : text) {
        bytes.push_back(static_cast<unsigned char>(byte));
    }
    return bytes;
}

struct Reading {
    const char* what;
    std::string text;
    Codes codes;
};

TEST(uiTextCodesTest, ValidSequencesOfEachLengthAreOneCodeEach) {
    const Reading cases[] = {
        {"two bytes",
         "Gr\xC3\xB6\xC3\x9F"
         "e",
         {'G', 'r', 0xF6, 0xDF, 'e'}},
        {"three bytes", "\xE2\x82\xAC 5", {0x20AC, ' ', '5'}},
        {"Greek", "\xCE\x9B\xCF\x8C\xCE\xB3\xCE\xBF\xCF\x82", {0x39B, 0x3CC, 0x3B3, 0x3BF, 0x3C2}},
        {"four bytes", "a\xF0\x9F\x98\x80", {'a', 0x1F600}},
        {"smallest of each length", "\xC2\x80\xE0\xA0\x80\xF0\x90\x80\x80", {0x80, 0x800, 0x10000}},
        {"largest of each length", "\xDF\xBF\xEF\xBF\xBF\xF4\x8F\xBF\xBF", {0x7FF, 0xFFFF, 0x10FFFF}},
        {"around the surrogates", "\xED\x9F\xBF\xEE\x80\x80", {0xD7FF, 0xE000}},
        {"control codes stay codes", "\t\xC3\xA9\n", {'\t', 0xE9, '\n'}},
    };
    for (const Reading& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_TRUE(vanui::IsUtf8Text(c.text));
        EXPECT_TRUE(vanui::uiTextCodes(c.text).IsUtf8());
        EXPECT_EQ(CodesOf(c.text), c.codes);
        EXPECT_EQ(vanui::CountCharacters(c.text), c.codes.size());
    }
}

// One fault anywhere makes every byte of the text one Latin-1 code, the valid sequences too.
TEST(uiTextCodesTest, TextThatIsNotStrictUtf8IsReadAsLatin1Bytes) {
    const std::pair<const char*, std::string> cases[] = {
        {"cut at the end", "Gr\xC3"},
        {"cut by a space", "\xE2\x82 5"},
        {"four-byte lead cut short", "\xF0\x9F\x98"},
        {"continuation without a lead", "\x80"
                                        "abc"},
        {"Latin-1 letters", "Gr\xF6\xDF"
                            "e"},
        {"overlong slash in two bytes", "\xC0\xAF"},
        {"overlong in two bytes, lead C1", "\xC1\xBF"},
        {"overlong in three bytes", "\xE0\x9F\xBF"},
        {"overlong in four bytes", "\xF0\x8F\xBF\xBF"},
        {"first surrogate", "\xED\xA0\x80"},
        {"last surrogate", "\xED\xBF\xBF"},
        {"above U+10FFFF", "\xF4\x90\x80\x80"},
        {"lead F5", "\xF5\x80\x80\x80"},
        {"bytes FE and FF", "\xFE\xFF"},
        {"a fault after valid UTF-8", "Gr\xC3\xB6\xC3\x9F"
                                      "e\xFF"},
    };
    for (const auto& [what, text] : cases) {
        SCOPED_TRACE(what);
        EXPECT_FALSE(vanui::IsUtf8Text(text));
        EXPECT_FALSE(vanui::uiTextCodes(text).IsUtf8());
        EXPECT_EQ(CodesOf(text), BytesOf(text));
        EXPECT_EQ(vanui::CountCharacters(text), text.size());
    }
}

// ASCII reads the same either way; the rule calls it Latin-1 so nothing about it changes.
TEST(uiTextCodesTest, PureAsciiIsOneCodePerByte) {
    for (const std::string& text : {std::string(), std::string("Label6::val"), std::string("a\0b", 3)}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(vanui::IsUtf8Text(text));
        EXPECT_EQ(CodesOf(text), BytesOf(text));
        EXPECT_EQ(vanui::CountCharacters(text), text.size());
    }
}

TEST(uiTextCodesTest, StoredFuzzInputsKeepEveryProperty) {
    size_t checked = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const std::filesystem::path dir = std::filesystem::path(DREV_FUZZ_DIR) / kind / "fuzz_text_codes";
        if (!std::filesystem::is_directory(dir)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(dir)) {
            const std::string bytes = ReadFileText(entry.path().string());
            EXPECT_EQ(CheckTextCodes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), "")
                << entry.path();
            ++checked;
        }
    }
    EXPECT_GT(checked, 0u);
}

} // namespace
