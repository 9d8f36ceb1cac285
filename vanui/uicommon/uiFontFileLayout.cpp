#include "uiFontFileLayout.h"

#include <algorithm>
#include <cstring>

namespace uiFontFileLayout {

uint16_t GetU16(const unsigned char* bytes) {
    return static_cast<uint16_t>(bytes[0] | (bytes[1] << 8));
}

void PutU16(unsigned char* bytes, uint16_t value) {
    bytes[0] = static_cast<unsigned char>(value & 0xFF);
    bytes[1] = static_cast<unsigned char>(value >> 8);
}

bool HasMagic(const unsigned char* header) {
    return std::memcmp(header, MAGIC, MAGIC_LENGTH) == 0;
}

uiFontFileHeader DecodeHeader(const unsigned char* header) {
    uiFontFileHeader fields;
    const char* name = reinterpret_cast<const char*>(header + NAME_OFFSET);
    fields.name.assign(name, strnlen(name, NAME_FIELD_SIZE));
    fields.size = header[SIZE_OFFSET];
    fields.sheetWidth = GetU16(header + WIDTH_OFFSET);
    fields.sheetHeight = GetU16(header + HEIGHT_OFFSET);
    fields.glyphCount = GetU16(header + COUNT_OFFSET);
    fields.lineHeight = GetU16(header + LINE_HEIGHT_OFFSET);
    fields.nominalWidth = GetU16(header + NOMINAL_WIDTH_OFFSET);
    return fields;
}

void EncodeHeader(const uiFontFileHeader& fields, unsigned char* header) {
    std::memset(header, 0, HEADER_SIZE);
    std::memcpy(header, MAGIC, MAGIC_LENGTH);
    std::memcpy(header + NAME_OFFSET, fields.name.data(), std::min(fields.name.size(), NAME_FIELD_SIZE));
    header[SIZE_OFFSET] = fields.size;
    PutU16(header + WIDTH_OFFSET, fields.sheetWidth);
    PutU16(header + HEIGHT_OFFSET, fields.sheetHeight);
    PutU16(header + COUNT_OFFSET, fields.glyphCount);
    PutU16(header + LINE_HEIGHT_OFFSET, fields.lineHeight);
    PutU16(header + NOMINAL_WIDTH_OFFSET, fields.nominalWidth);
}

uiFontFileEntry DecodeEntry(const unsigned char* entry) {
    uiFontFileEntry fields;
    fields.code = GetU16(entry + ENTRY_CODE_OFFSET);
    fields.x = GetU16(entry + ENTRY_X_OFFSET);
    fields.y = GetU16(entry + ENTRY_Y_OFFSET);
    fields.width = GetU16(entry + ENTRY_WIDTH_OFFSET);
    return fields;
}

void EncodeEntry(const uiFontFileEntry& fields, unsigned char* entry) {
    PutU16(entry + ENTRY_CODE_OFFSET, fields.code);
    PutU16(entry + ENTRY_X_OFFSET, fields.x);
    PutU16(entry + ENTRY_Y_OFFSET, fields.y);
    PutU16(entry + ENTRY_WIDTH_OFFSET, fields.width);
}

size_t TableBytes(size_t count) {
    return count * ENTRY_SIZE;
}

size_t SheetBytes(size_t width, size_t height) {
    return width * height;
}

} // namespace uiFontFileLayout
