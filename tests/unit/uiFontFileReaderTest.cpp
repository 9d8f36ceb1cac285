// The font file's layout and its reader, without GL or log: fields land on the byte offsets a
// KORU file has (checked against literal offsets, not the layout's own constants), and the
// reader keeps what it could read of a broken file and says why it stopped.
#include "uiFontFileReader.h"
#include "KrfWriter.h"
#include "uiFontFileLayout.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

KrfFont TwoGlyphFont() {
    KrfFont font;
    font.name = "Sans";
    font.width = 4;
    font.height = 2;
    font.lineHeight = 2;
    font.nominalWidth = 3;
    font.entries = {{0x20AC, 1, 1, 3}, {'A', 0x0102, 0x0304, 0x0506}};
    font.image = KrfPattern(8);
    return font;
}

TEST(uiFontFileLayoutTest, HeaderFieldsSitOnTheirOffsets) {
    uiFontFileHeader fields;
    fields.name = "Sans";
    fields.size = 12;
    fields.sheetWidth = 0x0100;
    fields.sheetHeight = 0x0080;
    fields.glyphCount = 0xBEEF;
    fields.lineHeight = 15;
    fields.nominalWidth = 0x1234;
    Bytes header(256, 0xAA);
    uiFontFileLayout::EncodeHeader(fields, header.data());

    EXPECT_EQ(Bytes(header.begin(), header.begin() + 6), (Bytes{'K', 'O', 'R', 'F', 'N', 0}));
    EXPECT_EQ(Bytes(header.begin() + 6, header.begin() + 11), (Bytes{'S', 'a', 'n', 's', 0}));
    EXPECT_EQ(header[56], 12);
    EXPECT_EQ(Bytes(header.begin() + 70, header.begin() + 74), (Bytes{0x00, 0x01, 0x80, 0x00}));
    EXPECT_EQ(Bytes(header.begin() + 78, header.begin() + 84), (Bytes{0xEF, 0xBE, 15, 0, 0x34, 0x12}));
    size_t nonZero = 0;
    for (size_t offset : {5, 57, 69, 74, 77, 84, 255}) {
        nonZero += header[offset] != 0;
    }
    EXPECT_EQ(nonZero, 0u) << "bytes the layout does not name are 0";

    const uiFontFileHeader back = uiFontFileLayout::DecodeHeader(header.data());
    EXPECT_EQ(back.name, "Sans");
    EXPECT_EQ(back.glyphCount, 0xBEEF);
    EXPECT_EQ(back.nominalWidth, 0x1234);
}

TEST(uiFontFileLayoutTest, NameIsCutToItsFieldBothWays) {
    uiFontFileHeader fields;
    fields.name = std::string(60, 'N');
    fields.size = 'S';
    Bytes header(256);
    uiFontFileLayout::EncodeHeader(fields, header.data());
    EXPECT_EQ(header[55], 'N');
    EXPECT_EQ(header[56], 'S');
    // Without a NUL in the field the name ends at the field's end, not in the size byte.
    EXPECT_EQ(uiFontFileLayout::DecodeHeader(header.data()).name, std::string(50, 'N'));
}

TEST(uiFontFileLayoutTest, EntryFieldsAreLittleEndianInOrder) {
    Bytes entry(8);
    uiFontFileLayout::EncodeEntry({0x20AC, 0x0102, 0x0304, 0x0506}, entry.data());
    EXPECT_EQ(entry, (Bytes{0xAC, 0x20, 0x02, 0x01, 0x04, 0x03, 0x06, 0x05}));
    const uiFontFileEntry back = uiFontFileLayout::DecodeEntry(entry.data());
    EXPECT_EQ(back.code, 0x20AC);
    EXPECT_EQ(back.width, 0x0506);
}

TEST(uiFontFileReaderTest, ReadsAWholeFileAndStopsAtTheSheetsEnd) {
    std::istringstream in(KrfBytes(TwoGlyphFont()) + "after");
    uiFontFileReader file;
    ASSERT_TRUE(file.Read(in, "two.krf"));
    EXPECT_EQ(file.Message(), "");
    EXPECT_EQ(file.DisplayName(), "Sans 12 4x2");
    ASSERT_EQ(file.EntryCount(), 2u);
    EXPECT_EQ(file.Entry(0).code, 0x20AC);
    EXPECT_EQ(file.Entry(1).x, 0x0102);
    EXPECT_EQ(file.Entry(1).y, 0x0304);
    EXPECT_EQ(Bytes(file.Sheet(), file.Sheet() + 8), KrfPattern(8));
    std::string rest;
    in >> rest;
    EXPECT_EQ(rest, "after");
}

// What is read of a broken file stays: the header when the table is cut, header and table when
// the sheet is; the message names the file as the toolkit's log line does.
TEST(uiFontFileReaderTest, KeepsWhatItCouldReadOfABrokenFile) {
    const std::string bytes = KrfBytes(TwoGlyphFont());
    struct Case {
        size_t length;
        bool header;
        size_t entries;
        std::string message;
    };
    for (const Case& c : {Case{255, false, 0, "Wrong data in KORU font file [f.krf]"},
                          Case{256 + 15, true, 0, "Wrong characterTable data in font file [f.krf]"},
                          Case{256 + 16 + 7, true, 2, "Wrong image data in font file [f.krf]"}}) {
        SCOPED_TRACE(c.length);
        std::istringstream in(bytes.substr(0, c.length));
        uiFontFileReader file;
        EXPECT_FALSE(file.Read(in, "f.krf"));
        EXPECT_EQ(file.Message(), c.message);
        EXPECT_EQ(file.HasHeader(), c.header);
        EXPECT_EQ(file.EntryCount(), c.entries);
        EXPECT_EQ(file.Sheet(), nullptr);
    }
    KrfFont lower = TwoGlyphFont();
    lower.magic = "korfn";
    std::istringstream in(KrfBytes(lower));
    uiFontFileReader file;
    EXPECT_FALSE(file.Read(in, "f.krf"));
    EXPECT_FALSE(file.HasHeader());
}

} // namespace
