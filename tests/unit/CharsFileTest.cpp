// krfmake's characters files: the characters of UTF-8 text, without line ends and byte-order
// marks, with those above U+FFFF set apart, and the first bytes that are not UTF-8 named by
// line and byte offset. ReadCharsFile adds what reading a real file can go wrong with.
#include "CharsFile.h"
#include "CharsFileChecks.h"
#include "FileText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using Codes = std::vector<std::uint16_t>;

CharsFileCodes Decode(const std::string& text) {
    CharsFileCodes result;
    CharsTextFault fault;
    EXPECT_TRUE(DecodeCharsText(text, result, fault)) << fault.problem;
    return result;
}

CharsTextFault Fault(const std::string& text) {
    CharsFileCodes result;
    CharsTextFault fault;
    EXPECT_FALSE(DecodeCharsText(text, result, fault)) << text;
    return fault;
}

TEST(CharsFileTest, EveryCharacterOnceInCodeOrder) {
    const CharsFileCodes result = Decode("ba\xE2\x82\xAC"
                                         "a\xCE\xA9 b\n\xC3\xA9");
    EXPECT_EQ(result.codes, (Codes{' ', 'a', 'b', 0xE9, 0x3A9, 0x20AC}));
    EXPECT_TRUE(result.beyond.empty());
}

TEST(CharsFileTest, LineEndsAndByteOrderMarksAreNoCharacters) {
    EXPECT_EQ(Decode("\xEF\xBB\xBF"
                     "A\r\nB\rC\n\n\xEF\xBB\xBF"
                     "D\n")
                  .codes,
              (Codes{'A', 'B', 'C', 'D'}));
    EXPECT_TRUE(Decode("").codes.empty());
    EXPECT_TRUE(Decode("\xEF\xBB\xBF\r\n").codes.empty());
    // A tab is a character like any other: the font decides whether it has a glyph.
    EXPECT_EQ(Decode("\t").codes, Codes{'\t'});
}

TEST(CharsFileTest, CharactersAboveTheSixteenBitCodesAreSetApart) {
    const CharsFileCodes result =
        Decode("\xF0\x9F\x98\x80 \xF4\x8F\xBF\xBF\xEF\xBF\xBF\xF0\x9F\x98\x80\xF0\x90\x80\x80");
    EXPECT_EQ(result.codes, (Codes{' ', 0xFFFF}));
    EXPECT_EQ(result.beyond, (std::vector<std::uint32_t>{0x10000, 0x1F600, 0x10FFFF}));
}

TEST(CharsFileTest, FirstLinesAreKeptAsSamples) {
    const CharsFileCodes result = Decode("\xEF\xBB\xBF"
                                         "Gr\xC3\xB6\xC3\x9F"
                                         "e\r\n\n \nb\nc\nd\n" +
                                         std::string(150, 'x'));
    EXPECT_EQ(result.samples, (std::vector<std::string>{"Gr\xC3\xB6\xC3\x9F"
                                                        "e",
                                                        " ", "b", "c"}));
    const CharsFileCodes longLine = Decode("\xC3\xA9" + std::string(120, 'x'));
    EXPECT_EQ(longLine.samples, (std::vector<std::string>{"\xC3\xA9" + std::string(99, 'x')}));
}

// Each way bytes can fail to be UTF-8, with the offset of the character's first byte.
TEST(CharsFileTest, InvalidUtf8IsNamedByLineAndByteOffset) {
    struct Case {
        std::string text;
        size_t line;
        size_t offset;
        std::string problem;
    };
    for (const Case& c : {
             Case{"ab\nc\xC3(d", 2, 4, "the character that byte 0xC3 begins is cut short by byte 0x28"},
             Case{"abc\xE2\x82", 1, 3, "the character that byte 0xE2 begins is cut short by the end"},
             Case{"\x80", 1, 0, "byte 0x80 continues a character that has not begun"},
             Case{"a\n\n\xC0\xAF", 3, 3, "byte 0xC0 begins no character"},
             Case{"\xE0\x80\xAF", 1, 0, "an overlong form of U+002F"},
             Case{"\xF0\x82\x82\xAC", 1, 0, "an overlong form of U+20AC"},
             Case{"x\xED\xA0\x80", 1, 1, "U+D800 is a surrogate, not a character"},
             Case{"\xF4\x90\x80\x80", 1, 0, "a code above U+10FFFF"},
             Case{"\xF8\x88\x80\x80\x80", 1, 0, "byte 0xF8 begins no character"},
             Case{"\xEF\xBB\xBF\xFF", 1, 3, "byte 0xFF begins no character"},
         }) {
        SCOPED_TRACE(c.problem);
        const CharsTextFault fault = Fault(c.text);
        EXPECT_EQ(fault.line, c.line);
        EXPECT_EQ(fault.offset, c.offset);
        EXPECT_EQ(fault.problem, c.problem);
    }
}

TEST(CharsFileTest, ReadingARealFile) {
    TempDir dir;
    CharsFileCodes result;
    std::string error;
    WriteFileText("chars.txt", "\xEF\xBB\xBF\xE2\x82\xAC\r\n");
    ASSERT_EQ(ReadCharsFile("chars.txt", result, error), CharsFileRead::OK) << error;
    EXPECT_EQ(result.codes, Codes{0x20AC});

    WriteFileText("bad.txt", "ok\n\xE2\x82");
    EXPECT_EQ(ReadCharsFile("bad.txt", result, error), CharsFileRead::INVALID);
    EXPECT_EQ(error,
              "bad.txt:2: error: invalid UTF-8 at byte offset 3: the character that byte 0xE2 begins is "
              "cut short by the end");

    EXPECT_EQ(ReadCharsFile("missing.txt", result, error), CharsFileRead::CANNOT_READ);
    EXPECT_EQ(error, "cannot read characters file \"missing.txt\": No such file or directory");
    ASSERT_EQ(mkdir("folder", 0755), 0);
    EXPECT_EQ(ReadCharsFile("folder", result, error), CharsFileRead::CANNOT_READ);
    EXPECT_EQ(error, "cannot read characters file \"folder\": it is a directory");

    WriteFileText("huge.txt", std::string(MAX_CHARS_FILE_BYTES + 1, 'a'));
    EXPECT_EQ(ReadCharsFile("huge.txt", result, error), CharsFileRead::CANNOT_READ);
    EXPECT_EQ(error, "characters file \"huge.txt\" has more than 16 MiB, more than any character set needs");
    WriteFileText("largest.txt", std::string(MAX_CHARS_FILE_BYTES, 'a'));
    EXPECT_EQ(ReadCharsFile("largest.txt", result, error), CharsFileRead::OK);
}

// The fuzz target's seeds and finds keep every property of its checks.
TEST(CharsFileTest, StoredFuzzInputs) {
    size_t inputs = 0;
    for (const char* kind : {"corpus", "regressions"}) {
        const std::filesystem::path folder = std::filesystem::path(DREV_FUZZ_DIR) / kind / "fuzz_chars_file";
        if (!std::filesystem::is_directory(folder)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            const std::string bytes = ReadFileText(entry.path().string());
            EXPECT_EQ(CheckCharsText(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), "")
                << entry.path();
            ++inputs;
        }
    }
    EXPECT_GT(inputs, 0u);
}

} // namespace
