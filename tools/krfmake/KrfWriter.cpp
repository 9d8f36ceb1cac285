#include "KrfWriter.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr std::size_t HEADER_SIZE = 256;
constexpr std::size_t ENTRY_SIZE = 8;

constexpr std::size_t NAME_OFFSET = 6;
constexpr std::size_t SIZE_OFFSET = 56;
constexpr std::size_t WIDTH_OFFSET = 70;
constexpr std::size_t HEIGHT_OFFSET = 72;
constexpr std::size_t COUNT_OFFSET = 78;
constexpr std::size_t LINE_HEIGHT_OFFSET = 80;
constexpr std::size_t NOMINAL_WIDTH_OFFSET = 82;

void PutU16(std::vector<unsigned char>& bytes, std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<unsigned char>(value & 0xFF);
    bytes[offset + 1] = static_cast<unsigned char>(value >> 8);
}

std::vector<unsigned char> HeaderAndTable(const KrfFont& font) {
    std::vector<unsigned char> bytes(HEADER_SIZE + font.entries.size() * ENTRY_SIZE, 0);
    std::memcpy(bytes.data(), "KORFN", 5);
    std::memcpy(bytes.data() + NAME_OFFSET, font.name.data(), font.name.size());
    bytes[SIZE_OFFSET] = font.size;
    PutU16(bytes, WIDTH_OFFSET, font.sheetWidth);
    PutU16(bytes, HEIGHT_OFFSET, font.sheetHeight);
    PutU16(bytes, COUNT_OFFSET, static_cast<std::uint16_t>(font.entries.size()));
    PutU16(bytes, LINE_HEIGHT_OFFSET, font.lineHeight);
    PutU16(bytes, NOMINAL_WIDTH_OFFSET, font.nominalWidth);

    std::size_t offset = HEADER_SIZE;
    for (const KrfEntry& entry : font.entries) {
        PutU16(bytes, offset, entry.code);
        PutU16(bytes, offset + 2, entry.x);
        PutU16(bytes, offset + 4, entry.y);
        PutU16(bytes, offset + 6, entry.width);
        offset += ENTRY_SIZE;
    }
    return bytes;
}

} // namespace

bool WriteKrfFile(const std::string& path, const KrfFont& font, std::string& error) {
    if (font.name.size() > KRF_MAX_NAME_LENGTH || font.entries.size() > KRF_MAX_ENTRIES) {
        error = "font \"" + font.name + "\" does not fit the file header";
        return false;
    }
    const std::vector<unsigned char> head = HeaderAndTable(font);
    const std::size_t sheetBytes = static_cast<std::size_t>(font.sheetWidth) * font.sheetHeight;

    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        error = "cannot create \"" + path + "\": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(head.data(), 1, head.size(), file) == head.size() &&
                         std::fwrite(font.sheet.get(), 1, sheetBytes, file) == sheetBytes;
    const int writeErrno = errno;
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed) {
        error = "cannot write \"" + path + "\": " + std::strerror(written ? errno : writeErrno);
        std::remove(path.c_str());
        return false;
    }
    return true;
}
