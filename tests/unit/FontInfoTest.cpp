// How krfmake --info shows a glyph's character: itself in quotes, or a stand-in for one that
// would not show or would upset a terminal.
#include "FontInfo.h"

#include <gtest/gtest.h>

namespace {

TEST(FontInfoTest, ShowsPrintableCharactersInUtf8) {
    EXPECT_EQ(ShowCharacter('A'), "'A'");
    EXPECT_EQ(ShowCharacter(' '), "' '");
    EXPECT_EQ(ShowCharacter(0xE9), "'\xC3\xA9'");
    EXPECT_EQ(ShowCharacter(0x20AC), "'\xE2\x82\xAC'");
    EXPECT_EQ(ShowCharacter(0xE000), "'\xEE\x80\x80'");
}

TEST(FontInfoTest, ControlAndOtherInvisibleCodesGetStandIns) {
    EXPECT_EQ(ShowCharacter(0), "^@");
    EXPECT_EQ(ShowCharacter('\t'), "^I");
    EXPECT_EQ(ShowCharacter(0x1B), "^[");
    EXPECT_EQ(ShowCharacter(0x7F), "^?");
    EXPECT_EQ(ShowCharacter(0x85), "<control>");
    EXPECT_EQ(ShowCharacter(0xD800), "<surrogate>");
    EXPECT_EQ(ShowCharacter(0xDFFF), "<surrogate>");
    EXPECT_EQ(ShowCharacter(0xFFFF), "<noncharacter>");
    EXPECT_EQ(ShowCharacter(0xFDD0), "<noncharacter>");
    EXPECT_EQ(ShowCharacter(0x00AD), "<format>");
    EXPECT_EQ(ShowCharacter(0x2028), "<format>");
    EXPECT_EQ(ShowCharacter(0xFEFF), "<format>");
    // A combining acute accent sits on a dotted circle instead of on the quote before it.
    EXPECT_EQ(ShowCharacter(0x0301), "'\xE2\x97\x8C\xCC\x81'");
}

} // namespace
