// krfmake's --chars lists: codes and ranges in decimal, 0x or U+ form, sorted and each once.
#include "CodeList.h"

#include <gtest/gtest.h>

namespace {

using Codes = std::vector<std::uint16_t>;

Codes Parse(const std::string& text) {
    Codes codes;
    std::string error;
    EXPECT_TRUE(ParseCodeList(text, codes, error)) << error;
    return codes;
}

TEST(CodeListTest, RangesAndSingleCodesInEveryForm) {
    EXPECT_EQ(Parse("0x41-0x43,U+20AC,u+3a9,66,65"), (Codes{'A', 'B', 'C', 0x3A9, 0x20AC}));
    EXPECT_EQ(Parse("65535,0xFFFF,U+FFFE-U+FFFF"), (Codes{0xFFFE, 0xFFFF}));
    const Codes latin = Parse(DEFAULT_CODE_LIST);
    ASSERT_EQ(latin.size(), 95u + 96u);
    EXPECT_EQ(latin.front(), 32);
    EXPECT_EQ(latin[94], 126);
    EXPECT_EQ(latin[95], 160);
    EXPECT_EQ(latin.back(), 255);
}

TEST(CodeListTest, RefusesWhatIsNoCodeList) {
    for (const char* text :
         {"", "65,", "65-64", "70000", "0x10000", "U+", "0x", "A", "1-2-3", "-5", "U+12G"}) {
        Codes codes;
        std::string error;
        EXPECT_FALSE(ParseCodeList(text, codes, error)) << text;
        EXPECT_EQ(error.rfind(std::string("bad code list \"") + text + "\"", 0), 0u) << error;
    }
}

} // namespace
