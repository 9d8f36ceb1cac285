// The KORU font file (.krf), described once for everything that reads or writes one: the
// toolkit's font reader, krfmake and the tests' font writer. A file is a 256-byte header, a
// character table of one 8-byte entry per glyph cell, and the glyph sheet as one byte of
// coverage per pixel (0 transparent, 255 opaque), top row first, no padding between rows.
// Every number is an unsigned 16-bit little-endian value, except the size byte. Bytes after
// the sheet are never read.
//
// This unit only turns fields into bytes and back; it checks nothing and opens no file (the
// reader, uiFontFileReader, does both). It uses neither GL nor the log, so tools and tests can
// compile it on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// The fields of the header. Header bytes the layout does not name are written as 0 and never
// read.
struct uiFontFileHeader {
    std::string name;          // the name field's text, up to its first NUL
    uint8_t size = 0;          // pixel size, used only in the display name
    uint16_t sheetWidth = 0;   // W
    uint16_t sheetHeight = 0;  // H
    uint16_t glyphCount = 0;   // N, the entries in the character table
    uint16_t lineHeight = 0;   // the height of every glyph cell
    uint16_t nominalWidth = 0; // the font's nominal character width
};

// One glyph cell of the character table. Column and row count from 1; the cell is width
// pixels wide and one line tall, and its width is also the glyph's advance.
struct uiFontFileEntry {
    uint16_t code = 0;
    uint16_t x = 0;
    uint16_t y = 0;
    uint16_t width = 0;
};

namespace uiFontFileLayout {

constexpr size_t HEADER_SIZE = 256;
constexpr char MAGIC[] = "KORFN"; // the file holds the five letters without the terminator
constexpr size_t MAGIC_LENGTH = 5;
constexpr size_t NAME_OFFSET = 6;
constexpr size_t NAME_FIELD_SIZE = 50;
constexpr size_t SIZE_OFFSET = 56;
constexpr size_t WIDTH_OFFSET = 70;
constexpr size_t HEIGHT_OFFSET = 72;
constexpr size_t COUNT_OFFSET = 78;
constexpr size_t LINE_HEIGHT_OFFSET = 80;
constexpr size_t NOMINAL_WIDTH_OFFSET = 82;

constexpr size_t ENTRY_SIZE = 8;
constexpr size_t ENTRY_CODE_OFFSET = 0;
constexpr size_t ENTRY_X_OFFSET = 2;
constexpr size_t ENTRY_Y_OFFSET = 4;
constexpr size_t ENTRY_WIDTH_OFFSET = 6;

// What a writer may put in a file: a name that leaves its field a NUL, and what 16 bits hold.
constexpr size_t MAX_NAME_LENGTH = NAME_FIELD_SIZE - 1;
constexpr size_t MAX_ENTRIES = 65535;
constexpr size_t MAX_SHEET_SIDE = 65535;

uint16_t GetU16(const unsigned char* bytes);
void PutU16(unsigned char* bytes, uint16_t value);

// Whether the first MAGIC_LENGTH bytes are the magic.
bool HasMagic(const unsigned char* header);

// The fields of HEADER_SIZE bytes. A name field without a NUL ends at the field's end.
uiFontFileHeader DecodeHeader(const unsigned char* header);
// Fills HEADER_SIZE bytes with the magic, the fields and zeros; a name longer than its field
// is cut to the field.
void EncodeHeader(const uiFontFileHeader& fields, unsigned char* header);

uiFontFileEntry DecodeEntry(const unsigned char* entry);
void EncodeEntry(const uiFontFileEntry& fields, unsigned char* entry);

// Bytes of a table of count entries and of a sheet. Both fit a 32-bit size_t: each factor
// is at most 65535.
size_t TableBytes(size_t count);
size_t SheetBytes(size_t width, size_t height);

} // namespace uiFontFileLayout
